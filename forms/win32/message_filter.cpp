#include "forms/win32/message_filter.h"

#include <windows.h>

#include "forms/win32/user32_function.h"

namespace brenvik::win32 {

namespace {
// The filters' actions, as <windows.h> names them for Windows 7 and Vista.
constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
constexpr DWORD kAdd = 1;    // MSGFLT_ADD
}  // namespace

void LetThroughFromEveryLevel(HWND__* window, unsigned message) {
    using PerWindowFunction = BOOL WINAPI(HWND, UINT, DWORD, void*);
    using PerProcessFunction = BOOL WINAPI(UINT, DWORD);
    static auto* const perWindow = FromUser32<PerWindowFunction>("ChangeWindowMessageFilterEx");
    static auto* const perProcess = FromUser32<PerProcessFunction>("ChangeWindowMessageFilter");
    // Whether Windows took it changes nothing: the form works at its own level either way.
    if (perWindow != nullptr) {
        (void)perWindow(window, message, kAllow, nullptr);
    } else if (perProcess != nullptr) {
        (void)perProcess(message, kAdd);
    }
}

}  // namespace brenvik::win32
