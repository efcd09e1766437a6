#pragma once
// Brenvik.exe's main window as a user meets it: its controls found by their window
// identifiers, read and driven with the messages another program may send.
#include <windows.h>

#include <string>

#include "app/form1_controls.h"
#include "app/form1_identity.h"

namespace brenvik::e2e {

using form1::Control;

class BrenvikWindow {
public:
    // The main window of the running program, or null.
    static HWND Find() { return FindWindowW(form1::WideWindowClass(), form1::WideCaption()); }
    // The shown main window of that process, or null.
    static HWND ShownOf(DWORD process) {
        HWND window = nullptr;
        while ((window = FindWindowExW(nullptr, window, form1::WideWindowClass(),
                                       form1::WideCaption())) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process && IsWindowVisible(window)) return window;
        }
        return nullptr;
    }

    explicit BrenvikWindow(HWND window) : window_(window) {}
    HWND Handle() const { return window_; }
    HWND Item(Control control) const { return GetDlgItem(window_, form1::WindowId(control)); }

    std::wstring Text(Control control) const {
        wchar_t text[1024] = L"";
        SendMessageW(Item(control), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
        return text;
    }
    void Type(Control control, const std::wstring& text) const {
        SendMessageW(Item(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void Click(Control button) const { PostMessageW(Item(button), BM_CLICK, 0, 0); }
    void SetChecked(Control box, bool checked) const {
        SendMessageW(Item(box), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    bool Visible() const { return IsWindowVisible(window_) != FALSE; }

private:
    HWND window_;
};

}  // namespace brenvik::e2e
