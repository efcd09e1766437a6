// The tray control hosted on a real window, talking to the real shell: under Wine,
// its notification area ("Wine System Tray"). The icon is added, changed and
// removed for real, and a real double click on it reaches the control as DblClick.
#include <exception>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "forms/forms.h"
#include "forms/win32/user_control_host.h"
#include "platform/shell_api.h"
#include "platform/win32/ansi_codepage.h"
#include "platform/win32/win32_api.h"
#include "tray/notify_icon_data.h"
#include "tray/tray.h"

namespace brenvik::testing {
namespace {
// The shell's messages under names that <windows.h> leaves alone.
constexpr std::uint32_t kAdd = win::kNimAdd;
constexpr std::uint32_t kModify = win::kNimModify;
constexpr std::uint32_t kDelete = win::kNimDelete;
}  // namespace
}  // namespace brenvik::testing

#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/win32/native_notify_icon_data.h"

namespace brenvik::testing {
namespace {

// The shell, keeping the result of each call.
class ShellResultsApi final : public ShellApi {
public:
    explicit ShellResultsApi(ShellApi& inner) : inner_(inner) {}
    struct Call {
        std::uint32_t message;
        bool succeeded;
    };
    std::vector<Call> calls;

    bool Shell_NotifyIconA(std::uint32_t message, std::uint8_t* notifyIconData) override {
        const bool succeeded = inner_.Shell_NotifyIconA(message, notifyIconData);
        calls.push_back({message, succeeded});
        return succeeded;
    }

private:
    ShellApi& inner_;
};

constexpr char kHostClass[] = "BrenvikTrayTestHost";
win32::UserControlHost* g_host = nullptr;  // the host window's one user control

// The host's top-level window hands the shell's restart broadcast to its control.
LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_host && win32::UserControlHost::TaskbarCreatedMessage().Is(message)) {
        g_host->ShellRestarted();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

using win32::FromHandle;
using win32::ToHwnd;

forms::PictureRef ApplicationIcon() {
    return std::make_shared<win32::IconPicture>(
        win32::OwnedIcon(CopyIcon(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)))));
}

// Delivers this thread's messages until `done` holds or a generous deadline passes.
template <typename Done>
bool PumpUntil(Done done, DWORD milliseconds = 30000) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!done()) {
        if (GetTickCount64() > deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}

struct Raised {
    int event;
    std::int16_t button;
};

// What the shell is handed for the control's 88-byte record: the first form in this
// build's own layout, 88 bytes on 32-bit Windows and 104 on 64-bit, where the window
// and icon handles are widened with their sign.
TEST(NativeNotifyIconData, IsTheFirstFormInThisBuildsLayout) {
    NotifyIconData record;
    record.SetCbSize(88);
    record.SetHWnd(0xFFFF0010u);
    record.SetUId(46239);
    record.SetUFlags(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    record.SetUCallbackMessage(WM_MOUSEMOVE);
    record.SetHIcon(0x00020041u);
    record.SetSzTip(MakeTipField(win32::AnsiCodePage(), u"Brenvik"));

    win32::NativeNotifyIconData native(record.Bytes());
    const NOTIFYICONDATAA& shell = *native.get();
    EXPECT_EQ(shell.cbSize, sizeof(void*) == 8 ? 104u : 88u);
    EXPECT_EQ(shell.hWnd, reinterpret_cast<HWND>(static_cast<INT_PTR>(-65520)));
    EXPECT_EQ(shell.uID, 46239u);
    EXPECT_EQ(shell.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(shell.uCallbackMessage, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_EQ(shell.hIcon, reinterpret_cast<HICON>(static_cast<INT_PTR>(0x00020041)));
    EXPECT_STREQ(shell.szTip, "Brenvik");
}

class TrayOnWine : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = HostWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kHostClass;
        RegisterClassA(&wc);  // fails harmlessly when a previous test registered it
        hostWindow = CreateWindowA(kHostClass, "Brenvik tray test", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                   200, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(hostWindow, nullptr);

        enum class Hosted { Tray1 };
        forms::ControlLayout row{.id = Hosted::Tray1,
                                 .name = "Tray1",
                                 .kind = forms::ControlKind::UserControl,
                                 .caption = u"",
                                 .place = {6045, 915, 4800, 3600},
                                 .tabIndex = -1};
        row.createUserControl = [this](forms::UserControlSite& site) {
            auto control = std::make_unique<Tray>(api, ansi, site);
            tray = control.get();
            return control;
        };
        row.storedProperties = {{u"icon", ApplicationIcon()}};
        host = std::make_unique<win32::UserControlHost>(
            FromHandle(hostWindow), row,
            [this](std::exception_ptr failure) { failures.push_back(failure); });
        host->OnEvent([this](int event, forms::EventArgs& args) {
            raised.push_back({event, args.button});
            if (onEvent) onEvent(event);
        });
        g_host = host.get();
    }
    void TearDown() override {
        g_host = nullptr;
        host.reset();
        if (hostWindow) DestroyWindow(hostWindow);
    }

    bool WasRaised(int event) const {
        for (const auto& r : raised)
            if (r.event == event) return true;
        return false;
    }

    win32::Win32Api realApi;
    ShellResultsApi api{realApi};
    win32::AnsiCodePage ansi;
    HWND hostWindow = nullptr;
    std::unique_ptr<win32::UserControlHost> host;
    Tray* tray = nullptr;
    std::vector<Raised> raised;
    std::function<void(int)> onEvent;
    std::vector<std::exception_ptr> failures;
};

TEST_F(TrayOnWine, TheRealShellAddsChangesAndRemovesTheControlsIcon) {
    tray->SetToolTip(u"Brenvik");
    tray->SetVisible(true);
    EXPECT_TRUE(tray->IconShown());
    tray->SetToolTip(u"Brenvik: another tip");
    tray->SetIcon(ApplicationIcon());
    tray->SetIcon(host->EmptyPicture());
    tray->SetVisible(false);
    EXPECT_FALSE(tray->IconShown());

    using Call = ShellResultsApi::Call;
    const std::vector<std::pair<std::uint32_t, bool>> expected = {
        {kModify, false},  // a tip while hidden: no icon to change
        {kAdd, true},     {kModify, true}, {kModify, true}, {kModify, true}, {kDelete, true},
    };
    ASSERT_EQ(api.calls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        const Call& call = api.calls[i];
        EXPECT_EQ(call.message, expected[i].first);
        EXPECT_EQ(call.succeeded, expected[i].second);
    }
}

TEST_F(TrayOnWine, TheControlsWindowIsAHiddenChildSizedToItsImage) {
    const HWND window = ToHwnd(host->hWnd());
    EXPECT_EQ(GetParent(window), hostWindow);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(host->Width(), 510);
    EXPECT_EQ(host->Height(), 510);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 34);  // 510 twips at 96 dpi
    EXPECT_EQ(rect.bottom - rect.top, 34);
}

TEST_F(TrayOnWine, ACallbackOnTheControlsWindowRaisesItsEvent) {
    const HWND window = ToHwnd(host->hWnd());
    SendMessageA(window, WM_MOUSEMOVE, 0x1234, WM_RBUTTONDOWN);
    SendMessageA(window, WM_MOUSEMOVE, 0x1234, WM_LBUTTONDBLCLK);
    SendMessageA(window, WM_MOUSEMOVE, 0x1234, WM_MBUTTONUP);
    ASSERT_EQ(raised.size(), 2u);
    EXPECT_EQ(raised[0].event, Tray::kMouseDown);
    EXPECT_EQ(raised[0].button, 2);
    EXPECT_EQ(raised[1].event, Tray::kDblClick);
}

TEST_F(TrayOnWine, NoExceptionOfAnyKindLeavesTheControlsWindowProcedure) {
    const HWND window = ToHwnd(host->hWnd());
    const std::function<void()> kThrows[] = {
        [] { throw std::runtime_error("a standard exception"); },
        [] { throw 42; },
    };
    for (const auto& doThrow : kThrows) {
        onEvent = [&](int) { doThrow(); };
        EXPECT_EQ(SendMessageA(window, WM_MOUSEMOVE, 0, WM_LBUTTONDBLCLK), 0);
    }
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_THROW(std::rethrow_exception(failures[0]), std::runtime_error);
    EXPECT_THROW(std::rethrow_exception(failures[1]), int);
}

TEST_F(TrayOnWine, TaskbarCreatedKeepsTheIconShownWhenTheShellStillHasIt) {
    tray->SetVisible(true);
    SendMessageA(hostWindow, win32::UserControlHost::TaskbarCreatedMessage().Id(), 0, 0);
    EXPECT_TRUE(tray->IconShown());
    ASSERT_EQ(api.calls.size(), 3u);
    EXPECT_EQ(api.calls[1].message, kAdd);  // the shell already holds this icon
    EXPECT_FALSE(api.calls[1].succeeded);
    EXPECT_EQ(api.calls[2].message, kModify);
    EXPECT_TRUE(api.calls[2].succeeded);
}

TEST_F(TrayOnWine, DestroyingTheHostRemovesAShownIcon) {
    tray->SetVisible(true);
    g_host = nullptr;
    host.reset();
    ASSERT_EQ(api.calls.size(), 2u);
    EXPECT_EQ(api.calls[1].message, kDelete);
    EXPECT_TRUE(api.calls[1].succeeded);
}

TEST_F(TrayOnWine, DestroyingANeverShownControlSendsADeleteThatFindsNothing) {
    g_host = nullptr;
    host.reset();
    ASSERT_EQ(api.calls.size(), 1u);
    EXPECT_EQ(api.calls[0].message, kDelete);
    EXPECT_FALSE(api.calls[0].succeeded);
}

// Wine's notification area, as it shows when no desktop tray is there to embed it.
HWND WineSystemTray() { return FindWindowA("__winex11_standalone_tray", "Wine System Tray"); }

TEST_F(TrayOnWine, ARealDoubleClickOnTheIconRaisesDblClick) {
    onEvent = [this](int event) {
        if (event == Tray::kDblClick) tray->SetVisible(false);  // as Form1 does
    };
    tray->SetToolTip(u"Brenvik");
    tray->SetVisible(true);
    ASSERT_TRUE(tray->IconShown());

    HWND trayWindow = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        trayWindow = WineSystemTray();
        return trayWindow != nullptr && IsWindowVisible(trayWindow);
    })) << "Wine's notification area did not show";

    // Icons sit left to right from the client origin, each in a cell of a small icon
    // with 2 pixels all round (20 x 20 at 16-pixel small icons): aim at the first
    // cell's middle.
    const int cell = GetSystemMetrics(SM_CXSMICON) + 4;
    POINT target{cell / 2, cell / 2};
    ClientToScreen(trayWindow, &target);
    ASSERT_TRUE(SetCursorPos(target.x, target.y));

    INPUT clicks[4]{};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    ASSERT_EQ(SendInput(4, clicks, sizeof(INPUT)), 4u);

    EXPECT_TRUE(PumpUntil([&] { return WasRaised(Tray::kDblClick); })) << "no DblClick arrived";
    EXPECT_TRUE(WasRaised(Tray::kMouseDown));
    EXPECT_FALSE(tray->Visible());
    EXPECT_FALSE(tray->IconShown());
    ASSERT_FALSE(api.calls.empty());
    EXPECT_EQ(api.calls.back().message, kDelete);
    EXPECT_TRUE(api.calls.back().succeeded);
}

}  // namespace
}  // namespace brenvik::testing
