// The preview's floor.
#include <windows.h>

#include <cstring>
#include <stdexcept>

#include "bench/wine/floor_calls.h"
#include "forms/pixel_layout.h"

namespace brenvik::winbench {

int ChildWindowsOf(HWND window) {
    int children = 0;
    for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT))
        ++children;
    return children;
}

namespace {

constexpr wchar_t kFloorFormClass[] = L"BrenvikFloorForm";
// The user control's window is never shown; a class with no drawing of its own.
constexpr wchar_t kFloorControlClass[] = L"BrenvikFloorControl";
// The forms runtime's form style.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

void RegisterFloorClasses() {
    static const bool registered = [] {
        WNDCLASSW form{};
        form.lpfnWndProc = ::DefWindowProcW;
        form.hInstance = ::GetModuleHandleW(nullptr);
        form.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        form.lpszClassName = kFloorFormClass;
        WNDCLASSW control{};
        control.lpfnWndProc = ::DefWindowProcW;
        control.hInstance = form.hInstance;
        control.lpszClassName = kFloorControlClass;
        return ::RegisterClassW(&form) != 0 && ::RegisterClassW(&control) != 0;
    }();
    if (!registered) throw std::runtime_error("can't register the floor form's classes");
}

struct BareWindow {
    const wchar_t* windowClass;  // null: the row has no window
    DWORD style;
    DWORD extendedStyle;
};

// As forms/win32/controls.cpp and user_control_host.cpp make each kind.
BareWindow BareWindowOf(forms::ControlKind kind) {
    switch (kind) {
        case forms::ControlKind::Label:
            return {L"STATIC", WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0};
        case forms::ControlKind::TextBox:
            return {L"EDIT", WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case forms::ControlKind::CommandButton:
            return {L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case forms::ControlKind::CheckBox:
            return {L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
        case forms::ControlKind::UserControl:
            return {kFloorControlClass, 0, 0};
        case forms::ControlKind::Timer:
            break;
    }
    return {nullptr, 0, 0};
}

}  // namespace

FloorForm::FloorForm(const forms::FormLayout& layout, forms::ControlId preview, HWND program,
                     int dpi) {
    RegisterFloorClasses();
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const forms::PixelRect client =
        forms::PixelsOf({0, 0, layout.clientWidth, layout.clientHeight}, dpi);
    RECT frame{0, 0, client.width, client.height};
    ::AdjustWindowRectEx(&frame, kFormStyle, FALSE, 0);
    RECT workArea{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const int height = frame.bottom - frame.top;
    window_ = ::CreateWindowExW(0, kFloorFormClass, L"Floor", kFormStyle | WS_VISIBLE,
                                workArea.left, workArea.bottom - height, frame.right - frame.left,
                                height, nullptr, nullptr, instance, nullptr);
    if (window_ == nullptr) throw std::runtime_error("can't make the floor's form");
    const LPARAM font =
        ::SendMessageW(::FindWindowExW(program, nullptr, L"STATIC", nullptr), WM_GETFONT, 0, 0);
    int id = 1;
    for (const forms::ControlLayout& row : layout.controls) {
        const BareWindow bare = BareWindowOf(row.kind);
        if (bare.windowClass == nullptr) continue;
        const forms::PixelRect place = forms::PixelsOf(row.place, dpi);
        const HWND control = ::CreateWindowExW(
            bare.extendedStyle, bare.windowClass, reinterpret_cast<const wchar_t*>(row.caption),
            WS_CHILD | bare.style, place.left, place.top, place.width, place.height, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
        if (control == nullptr) throw std::runtime_error("can't make a floor form's control");
        ::SendMessageW(control, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
        if (row.id == preview) label_ = control;
    }
    if (label_ == nullptr) throw std::runtime_error("the floor's layout has no preview label");
    measuring_ = ::CreateCompatibleDC(nullptr);
    ::SelectObject(measuring_, reinterpret_cast<HGDIOBJ>(font));
}

FloorForm::~FloorForm() {
    ::DeleteDC(measuring_);
    ::DestroyWindow(window_);
}

// Label4's calls in Label4's order: among the siblings, the text set before the fit
// and a window DC got at each call cost more than Label4 itself.
void FloorForm::ShowPreview(const char* text) {
    SIZE size{};
    ::GetTextExtentPoint32A(measuring_, text, static_cast<int>(std::strlen(text)), &size);
    ::SetWindowPos(label_, nullptr, 0, 0, size.cx, size.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowTextA(label_, text);
}

}  // namespace brenvik::winbench
