// Fifteen hundred publications in a running program: Form1 on the real forms runtime
// (the classes Brenvik.exe runs), the stand-in player in a process of its own, whose
// title changes before every tick, and a messenger window. After a warm-up, the
// process's handles, USER and GDI objects and memory must stay where they were.
#include <windows.h>

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "app/form1.h"
#include "app/form1_controls.h"
#include "app/form1_identity.h"
#include "app/other_programs.h"
#include "forms/win32/runtime.h"
#include "platform/win32/real_platform.h"
#include "tests/e2e/wait.h"
#include "tests/soak/process_usage.h"
#include "tests/support/child_process.h"

namespace brenvik::soak {
namespace {

using namespace other_programs;

constexpr int kText1 = form1::WindowId(form1::Control::Text1);  // the prefix's box
// How many, and what a count may move by without a leak. Under Wine, over 4,000
// publications, every count stood still from the 100th on and the committed memory
// moved by 4 KB from the 500th on: the 1,200 after the warm-up put a leak of a handle
// or an object a publication 240 times over its 5, and one of a kilobyte 4.7 times
// over its 256 KB.
constexpr int kWarmUp = 300;
constexpr int kPublications = 1500;          // the warm-up's included
constexpr DWORD kCountNoise = 5;             // a handle or object made on a late first use
constexpr SIZE_T kMemoryNoise = 256 * 1024;  // a heap that grows in steps

constexpr wchar_t kPrefix[] = L"Listening to: ";
constexpr wchar_t kUser[] = L"soakuser";
const std::wstring kCustomMessagesKey = CustomMessagesKey(L"" BRENVIK_PAGER_SUB_KEY, kUser);

// A title of its own for every publication, of changing length.
std::wstring Title(int publication) {
    return L"Artist " + std::to_wstring(publication % 97) + L" - Song number " +
           std::to_wstring(publication) +
           std::wstring(static_cast<std::size_t>(publication % 23), L'!');
}

// A window of the messenger's class in this process that counts the custom status commands.
class MessengerWindow {
public:
    MessengerWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"" BRENVIK_MESSENGER_WINDOW_CLASS;
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, L"" BRENVIK_MESSENGER_WINDOW_CLASS, L"", WS_OVERLAPPEDWINDOW,
                                  0, 0, 100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    ~MessengerWindow() {
        DestroyWindow(window_);
        UnregisterClassW(L"" BRENVIK_MESSENGER_WINDOW_CLASS, GetModuleHandleW(nullptr));
    }
    MessengerWindow(const MessengerWindow&) = delete;
    MessengerWindow& operator=(const MessengerWindow&) = delete;

    bool Made() const { return window_ != nullptr; }
    static int Commands() { return commands_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND && wParam == kReadStatusCommand) ++commands_;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    static inline int commands_ = 0;
    HWND window_;
};

std::wstring ReadStatus() {
    wchar_t status[1024] = L"";
    DWORD size = sizeof status;
    if (RegGetValueW(HKEY_CURRENT_USER, kCustomMessagesKey.c_str(), L"" BRENVIK_STATUS_VALUE,
                     RRF_RT_REG_SZ, nullptr, status, &size) != ERROR_SUCCESS)
        return L"(missing)";
    return status;
}

// The counts must see a leak for the soak to catch one.
TEST(ProcessUsage, CountsTheHandlesWindowsAndGdiObjectsThatAreMade) {
    constexpr int kMade = 10;
    // The thread's first window makes handles of its own, once.
    DestroyWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr));
    const Usage before = ProcessUsage();
    HANDLE events[kMade];
    HWND windows[kMade];
    HGDIOBJ pens[kMade];
    for (int i = 0; i < kMade; ++i) {
        events[i] = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        windows[i] = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     nullptr, nullptr);
        pens[i] = CreatePen(PS_SOLID, 1, RGB(i, 0, 0));
    }
    const Usage made = ProcessUsage();
    for (int i = 0; i < kMade; ++i) {
        CloseHandle(events[i]);
        DestroyWindow(windows[i]);
        DeleteObject(pens[i]);
    }
    EXPECT_GE(made.handles, before.handles + kMade);
    EXPECT_GE(made.userObjects, before.userObjects + kMade);
    EXPECT_GE(made.gdiObjects, before.gdiObjects + kMade);
    const Usage after = ProcessUsage();
    EXPECT_EQ(after.handles, before.handles);
    EXPECT_EQ(after.userObjects, before.userObjects);
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
}

class Soak : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"" BRENVIK_PAGER_SUB_KEY);
        HKEY pager = nullptr;
        ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, L"" BRENVIK_PAGER_SUB_KEY, &pager),
                  ERROR_SUCCESS);
        RegSetValueExW(pager, L"" BRENVIK_USER_ID_VALUE, 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(kUser), sizeof kUser);
        RegCloseKey(pager);
        player_ = std::make_unique<testing::ChildProcess>(L"winamp_standin.exe",
                                                          L"\"" + Title(0) + L"\"");
        ASSERT_TRUE(e2e::WaitFor([&] {
            playerWindow_ = FindWindowW(L"" BRENVIK_PLAYER_WINDOW_CLASS, nullptr);
            return playerWindow_ != nullptr;
        }));
    }
    void TearDown() override {
        player_.reset();
        RegDeleteTreeW(HKEY_CURRENT_USER, L"" BRENVIK_PAGER_SUB_KEY);
    }

    std::unique_ptr<testing::ChildProcess> player_;
    HWND playerWindow_ = nullptr;
};

TEST_F(Soak, PublicationsLeaveHandlesObjectsAndMemoryWhereTheyWere) {
    const Usage atStart = ProcessUsage();
    Print("at start:", atStart);
    const ULONGLONG startTicks = GetTickCount64();
    Usage afterWarmUp;
    {
        MessengerWindow messenger;
        ASSERT_TRUE(messenger.Made());
        const win32::RealPlatform real;
        win32::FormsRuntime runtime;
        Form1 form1(real.Services(), runtime);
        HWND window = FindWindowW(form1::WideWindowClass(), form1::WideCaption());
        ASSERT_NE(window, nullptr);
        SetWindowTextW(GetDlgItem(window, kText1), kPrefix);
        form1.LoadAndShow();  // publishes Title(0)
        runtime.RunPending();
        const int commandsBefore = MessengerWindow::Commands();

        for (int publication = 1; publication <= kPublications; ++publication) {
            SetWindowTextW(playerWindow_,
                           Title(publication).c_str());  // WM_SETTEXT to the player's process
            form1.Timer1_Timer();
            ASSERT_TRUE(runtime.RunPending());
            if (publication == kWarmUp) {
                afterWarmUp = ProcessUsage();
                Print("after the warm-up:", afterWarmUp);
            }
        }
        EXPECT_EQ(MessengerWindow::Commands() - commandsBefore, kPublications)
            << "every tick had a new title to publish";
        const std::wstring last = kPrefix + Title(kPublications);
        EXPECT_EQ(ReadStatus(), last);
        EXPECT_EQ(form1.PublishedStatus(), std::u16string(last.begin(), last.end()));

        const Usage atEnd = ProcessUsage();
        Print("after the last publication:", atEnd);
        std::printf("%d publications in %.1f s\n", kPublications,
                    double(GetTickCount64() - startTicks) / 1000);
        EXPECT_LE(atEnd.handles, afterWarmUp.handles + kCountNoise);
        EXPECT_LE(atEnd.userObjects, afterWarmUp.userObjects + kCountNoise);
        EXPECT_LE(atEnd.gdiObjects, afterWarmUp.gdiObjects + kCountNoise);
        EXPECT_LE(atEnd.privateBytes, afterWarmUp.privateBytes + kMemoryNoise);
        EXPECT_LE(atEnd.pagefileBytes, afterWarmUp.pagefileBytes + kMemoryNoise);
    }
    Print("with the window gone:", ProcessUsage());
}

}  // namespace
}  // namespace brenvik::soak
