#include "bench/wine/running_form1.h"

#include <stdexcept>

#include "app/form1_controls.h"
#include "app/form1_identity.h"
#include "app/other_programs.h"
#include "bench/wine/visible_window.h"

namespace brenvik::winbench {

namespace {
struct ClassSearch {
    const wchar_t* windowClass;
    HWND found;
};

BOOL CALLBACK StopAtClass(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<ClassSearch*>(parameter);
    wchar_t name[64] = L"";
    ::GetClassNameW(window, name, 64);
    if (::lstrcmpW(name, search.windowClass) != 0) return TRUE;
    search.found = window;
    return FALSE;
}

// This thread's window of the given class.
HWND OwnWindowOfClass(const wchar_t* windowClass) {
    ClassSearch search{windowClass, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), StopAtClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
}  // namespace

MessengerUser::MessengerUser() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, BRENVIK_PAGER_SUB_KEY);
    HKEY pager = nullptr;
    if (::RegCreateKeyA(HKEY_CURRENT_USER, BRENVIK_PAGER_SUB_KEY, &pager) != ERROR_SUCCESS)
        throw std::runtime_error("can't make the messenger's settings key");
    ::RegSetValueExA(pager, BRENVIK_USER_ID_VALUE, 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(kUserId), sizeof kUserId);
    ::RegCloseKey(pager);
}

MessengerUser::~MessengerUser() { ::RegDeleteTreeA(HKEY_CURRENT_USER, BRENVIK_PAGER_SUB_KEY); }

RunningForm1::RunningForm1(const std::wstring& title, const std::wstring& prefix)
    : player_(L"winamp_standin.exe", L"\"" + title + L"\"") {
    if (WaitForVisibleWindow(L"" BRENVIK_PLAYER_WINDOW_CLASS, nullptr, 15000) == nullptr)
        throw std::runtime_error("the stand-in player did not show its window");
    window_ = OwnWindowOfClass(form1::WideWindowClass());
    text1_ = ::GetDlgItem(window_, form1::WindowId(form1::Control::Text1));
    if (text1_ == nullptr) throw std::runtime_error("Form1's prefix box was not found");
    ::SetWindowTextW(text1_, prefix.c_str());
    form_.LoadAndShow();
    Pump();
    const std::wstring published(form_.PublishedStatus().begin(), form_.PublishedStatus().end());
    if (published != prefix + title)
        throw std::runtime_error("the first tick did not publish the title");
}

}  // namespace brenvik::winbench
