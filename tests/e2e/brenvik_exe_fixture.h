#pragma once
// Brenvik.exe with the stand-in player and messenger, started by a test and driven
// through the program's real controls and its real tray icon.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/other_programs.h"
#include "tests/e2e/brenvik_window.h"
#include "tests/e2e/messenger_log.h"
#include "tests/e2e/wait.h"
#include "tests/support/caller.h"
#include "tests/support/child_process.h"

namespace brenvik::e2e {

using namespace other_programs;

// Wine's notification area, shown while it holds an icon.
inline HWND WineSystemTray() {
    return FindWindowW(L"__winex11_standalone_tray", L"Wine System Tray");
}
inline bool TrayIconShown() {
    HWND tray = WineSystemTray();
    return tray != nullptr && IsWindowVisible(tray);
}

// A double click with the left button on the first icon of Wine's notification area.
inline void DoubleClickTrayIcon() {
    HWND tray = WineSystemTray();
    RECT client{};
    GetClientRect(tray, &client);
    POINT target{GetSystemMetrics(SM_CXSMICON) / 2 + 2, (client.bottom - client.top) / 2};
    ClientToScreen(tray, &target);
    SetCursorPos(target.x, target.y);
    INPUT clicks[4]{};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    SendInput(4, clicks, sizeof(INPUT));
}

// Brenvik runs once per user session: a Brenvik that an earlier test left running (one
// whose test program crashed) would take this test's start for a second one. It is
// closed, and waited for until its process has ended.
inline void EndLeftoverBrenvik() {
    HWND window = BrenvikWindow::Find();
    if (window == nullptr) return;
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id);
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (process == nullptr) return;
    if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 10000);
    }
    CloseHandle(process);
}

class BrenvikExe : public ::testing::Test {
protected:
    void SetUp() override {
        EndLeftoverBrenvik();
        RegDeleteTreeW(HKEY_CURRENT_USER, L"" BRENVIK_PAGER_SUB_KEY);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        logPath_ = std::wstring(temp) + L"brenvik-e2e-messenger.log";
        DeleteFileW(logPath_.c_str());
        messenger_ = std::make_unique<testing::ChildProcess>(
            L"messenger_standin.exe", L"--log \"" + logPath_ + L"\" --user-id e2euser");
        ASSERT_TRUE(WaitFor(
            [] { return FindWindowW(L"" BRENVIK_MESSENGER_WINDOW_CLASS, nullptr) != nullptr; }));
    }

    void TearDown() override {
        // The close button, so that the program takes its icon away as it ends.
        if (brenvik_ && !brenvik_->HasEnded()) {
            if (HWND window = BrenvikWindow::Find())
                PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            brenvik_->HasEnded(10000);
        }
        brenvik_.reset();
        player_.reset();
        messenger_.reset();
        RegDeleteTreeW(HKEY_CURRENT_USER, L"" BRENVIK_PAGER_SUB_KEY);
    }

    void StartPlayer(const std::wstring& title,
                     testing::Caller caller = testing::Caller::current()) {
        const auto trace = testing::TraceCaller(caller);
        player_ =
            std::make_unique<testing::ChildProcess>(L"winamp_standin.exe", L"\"" + title + L"\"");
        ASSERT_TRUE(WaitFor(
            [] { return FindWindowW(L"" BRENVIK_PLAYER_WINDOW_CLASS, nullptr) != nullptr; }));
    }
    void SetTitle(const std::wstring& title) {
        SetWindowTextW(FindWindowW(L"" BRENVIK_PLAYER_WINDOW_CLASS, nullptr), title.c_str());
    }

    BrenvikWindow StartBrenvik(testing::Caller caller = testing::Caller::current()) {
        const auto trace = testing::TraceCaller(caller);
        brenvik_ = std::make_unique<testing::ChildProcess>(L"Brenvik.exe", L"");
        HWND window = nullptr;
        const bool shown = WaitFor([&] {
            window = BrenvikWindow::Find();
            return window != nullptr && IsWindowVisible(window);
        });
        EXPECT_TRUE(shown) << "Brenvik's window did not show";
        return BrenvikWindow(window);
    }
    // Start with the given interval in seconds.
    BrenvikWindow StartRefreshing(const std::wstring& seconds,
                                  testing::Caller caller = testing::Caller::current()) {
        const auto trace = testing::TraceCaller(caller);
        BrenvikWindow window = StartBrenvik(caller);
        window.Type(Control::Text2, seconds);
        window.Click(Control::Command1);
        EXPECT_TRUE(WaitFor([&] { return window.Text(Control::Command1) == L"Stop"; }));
        return window;
    }

    std::vector<Publication> Published() const { return ReadMessengerLog(logPath_); }
    bool WaitForPublications(std::size_t count) {
        return WaitFor([&] { return Published().size() >= count; });
    }
    // A negative check can only wait: long enough for a tick of a 1-second refresh.
    std::size_t PublicationsAfterAWhile(DWORD milliseconds = 2500) {
        Sleep(milliseconds);
        return Published().size();
    }

    std::unique_ptr<testing::ChildProcess> brenvik_;

private:
    std::wstring logPath_;
    std::unique_ptr<testing::ChildProcess> messenger_;
    std::unique_ptr<testing::ChildProcess> player_;
};

}  // namespace brenvik::e2e
