#include <windows.h>

#include <map>

#include "platform/win32/ansi_codepage.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"
#include "tests/support/test_backend.h"

namespace brenvik::testing {

namespace {
// Each window class named by a test is registered once with a procedure that
// records every message posted to the window.
std::map<HWND, std::vector<ReceivedMessage>>& Inbox() {
    static std::map<HWND, std::vector<ReceivedMessage>> inbox;
    return inbox;
}

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND || message >= WM_USER)
        Inbox()[window].push_back(
            {message, static_cast<std::uint32_t>(wParam), static_cast<std::int32_t>(lParam)});
    return DefWindowProcA(window, message, wParam, lParam);
}

class Win32Backend final : public TestBackend {
public:
    PlayerWindowApi& PlayerWindows() override { return api_; }
    MessengerWindowApi& MessengerWindows() override { return api_; }
    RegistryApi& Registry() override { return api_; }
    ShellApi& Shell() override { return api_; }
    const AnsiCodec& Ansi() override { return codec_; }
    std::unique_ptr<AnsiCodec> CodePage932() const override {
        return std::make_unique<win32::AnsiCodePage>(932);
    }
    void DeleteRegistryTree(const std::string& subKey) override {
        RegDeleteTreeA(HKEY_CURRENT_USER, subKey.c_str());
    }

    Handle CreateWindowOfClass(const std::string& className, const std::string& title) override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = className.c_str();
        RegisterClassA(&wc);  // fails harmlessly when the class is already registered
        HWND window = CreateWindowA(className.c_str(), title.c_str(), WS_OVERLAPPED, 0, 0, 100, 100,
                                    nullptr, nullptr, wc.hInstance, nullptr);
        return win32::FromHandle(window);
    }
    void DestroyWindow(Handle window) override {
        HWND hwnd = win32::ToHwnd(window);
        ::DestroyWindow(hwnd);
        Inbox().erase(hwnd);
    }
    std::vector<ReceivedMessage> Received(Handle window) override {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        return Inbox()[win32::ToHwnd(window)];
    }

private:
    win32::Win32Api api_;
    win32::AnsiCodePage codec_;
};
}  // namespace

std::unique_ptr<TestBackend> MakeTestBackend() { return std::make_unique<Win32Backend>(); }

}  // namespace brenvik::testing
