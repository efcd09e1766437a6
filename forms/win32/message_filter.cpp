#include "forms/win32/message_filter.h"

#include <windows.h>

#include "forms/win32/user32_function.h"

namespace brenvik::win32 {

namespace {
// The filters' actions, as <windows.h> names them for Windows 7 and Vista.
constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
constexpr DWORD kAdd = 1;    // MSGFLT_ADD
}  // namespace

void LetThroughWith(const FilterFunctions& filters, HWND__* window, unsigned message) {
    // Whether Windows took it changes nothing: the form works at its own level either way.
    if (filters.perWindow != nullptr) {
        (void)filters.perWindow(window, message, kAllow, nullptr);
    } else if (filters.perProcess != nullptr) {
        (void)filters.perProcess(message, kAdd);
    }
}

void LetThroughFromEveryLevel(HWND__* window, unsigned message) {
    static const FilterFunctions user32{
        FromUser32<BOOL WINAPI(HWND, UINT, DWORD, void*)>("ChangeWindowMessageFilterEx"),
        FromUser32<BOOL WINAPI(UINT, DWORD)>("ChangeWindowMessageFilter")};
    LetThroughWith(user32, window, message);
}

}  // namespace brenvik::win32
