// Drives a running Brenvik from a script, as the demonstration run does:
//
//   brenvik_remote.exe wait          waits up to 20 s for Brenvik's window to show
//   brenvik_remote.exe click NAME    clicks the button NAME (Command1, Command2, Command3)
//   brenvik_remote.exe rect          brings the window to the top and prints its screen
//                                    rectangle, X Y WIDTH HEIGHT (for a screenshot)
//
// It finds the window by its class and caption and its buttons by their identifiers.
// Exit code 0 on success.
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "app/form1_controls.h"
#include "app/form1_identity.h"

namespace {

HWND FindBrenvik() {
    return FindWindowW(brenvik::form1::WideWindowClass(), brenvik::form1::WideCaption());
}

int ButtonId(const wchar_t* name) {
    using brenvik::form1::Control;
    using brenvik::form1::WindowId;
    if (std::wcscmp(name, L"Command1") == 0) return WindowId(Control::Command1);
    if (std::wcscmp(name, L"Command3") == 0) return WindowId(Control::Command3);
    if (std::wcscmp(name, L"Command2") == 0) return WindowId(Control::Command2);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 2 && std::wcscmp(argv[1], L"wait") == 0) {
        for (int i = 0; i < 200; ++i, Sleep(100))
            if (HWND window = FindBrenvik(); window != nullptr && IsWindowVisible(window)) return 0;
        std::fputs("Brenvik's window did not show\n", stderr);
        return 1;
    }
    HWND window = FindBrenvik();
    if (window == nullptr) {
        std::fputs("Brenvik is not running\n", stderr);
        return 1;
    }
    if (argc >= 3 && std::wcscmp(argv[1], L"click") == 0 && ButtonId(argv[2]) != 0) {
        return PostMessageW(GetDlgItem(window, ButtonId(argv[2])), BM_CLICK, 0, 0) ? 0 : 1;
    }
    if (argc >= 2 && std::wcscmp(argv[1], L"rect") == 0) {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        RECT r{};
        GetWindowRect(window, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    std::fputs("usage: brenvik_remote.exe wait | click Command1|Command2|Command3 | rect\n",
               stderr);
    return 2;
}
