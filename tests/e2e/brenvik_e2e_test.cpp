// Brenvik.exe end to end under Wine: the real program, the stand-in player and
// messenger, driven through the program's real controls and its real tray icon.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string_view>

#include "tests/e2e/brenvik_exe_fixture.h"
#include "tests/support/form1_pixels.h"

namespace brenvik::e2e {
namespace {

TEST_F(BrenvikExe, StartUpPublishesThePlayingTitleOnceAndNothingMoreWhileOff) {
    StartPlayer(L"Artist - Song");
    BrenvikWindow window = StartBrenvik();
    ASSERT_TRUE(WaitForPublications(1));
    EXPECT_EQ(Published()[0].status, "Artist - Song");
    EXPECT_EQ(Published()[0].invisible, "1");  // "invisible" starts checked
    EXPECT_EQ(window.Text(Control::Label4), L"Preview: Artist - Song");
    EXPECT_EQ(window.Text(Control::Command1), L"Start");
    SetTitle(L"Another Song");
    EXPECT_EQ(PublicationsAfterAWhile(), 1u);
}

TEST_F(BrenvikExe, StartUpWithNoPlayerPublishesNothing) {
    BrenvikWindow window = StartBrenvik();
    EXPECT_EQ(PublicationsAfterAWhile(1000), 0u);
    EXPECT_EQ(window.Text(Control::Label4), L"");
    EXPECT_EQ(window.Text(Control::Command1), L"Start");
}

TEST_F(BrenvikExe, StartPublishesAtOnceAndThenEveryInterval) {
    StartPlayer(L"Song 1");
    BrenvikWindow window = StartBrenvik();
    ASSERT_TRUE(WaitForPublications(1));  // start-up
    SetTitle(L"Song 2");
    window.Type(Control::Text2, L"2.5");  // rounds to 2 seconds
    window.Click(Control::Command1);
    ASSERT_TRUE(WaitForPublications(2));
    EXPECT_EQ(Published()[1].status, "Song 2");
    // Each tick finds a new title, so each one publishes.
    for (int song = 3; song <= 5; ++song) {
        SetTitle(L"Song " + std::to_wstring(song));
        ASSERT_TRUE(WaitForPublications(song));
    }
    const auto published = Published();
    std::vector<std::uint64_t> gaps;
    for (std::size_t i = 2; i < published.size(); ++i)
        gaps.push_back(published[i].milliseconds - published[i - 1].milliseconds);
    std::sort(gaps.begin(), gaps.end());
    const std::uint64_t median = gaps[gaps.size() / 2];
    EXPECT_GE(median, 1700u);  // about 2 s: neither 2.5 s unrounded nor the 3 s default
    EXPECT_LE(median, 2400u);
}

TEST_F(BrenvikExe, AnEditedPrefixAndAClearedInvisibleBoxGoOutWithTheNextPublication) {
    StartPlayer(L"Song");
    BrenvikWindow window = StartRefreshing(L"1");
    ASSERT_TRUE(WaitForPublications(1));
    window.Type(Control::Text1, L"np: ");
    ASSERT_TRUE(WaitForPublications(2));
    EXPECT_EQ(Published()[1].status, "np: Song");
    window.SetChecked(Control::Check1, false);
    SetTitle(L"Next");
    ASSERT_TRUE(WaitForPublications(3));
    EXPECT_EQ(Published()[2].status, "np: Next");
    EXPECT_EQ(Published()[2].invisible, "0");
}

TEST_F(BrenvikExe, GotoTrayAndADoubleClickOnTheIconBringTheWindowBackAsItWas) {
    StartPlayer(L"Song 1");
    BrenvikWindow window = StartRefreshing(L"1");
    ASSERT_TRUE(WaitForPublications(1));
    window.Click(Control::Command3);
    ASSERT_TRUE(WaitFor([&] { return !window.Visible() && TrayIconShown(); }));

    SetTitle(L"Song 2");  // the refresh goes on in the tray
    ASSERT_TRUE(WaitForPublications(2));
    EXPECT_EQ(Published()[1].status, "Song 2");

    DoubleClickTrayIcon();
    ASSERT_TRUE(WaitFor([&] { return window.Visible(); }))
        << "the double click did not bring the window back";
    EXPECT_TRUE(WaitFor([] { return !TrayIconShown(); }));
    EXPECT_EQ(window.Text(Control::Label4), L"Preview: Song 2");
    EXPECT_EQ(window.Text(Control::Command1), L"Stop");
    EXPECT_EQ(window.Text(Control::Text2), L"1");
}

TEST_F(BrenvikExe, TutupAplikasiEndsTheProgramWithNoIconLeft) {
    BrenvikWindow window = StartBrenvik();
    window.Click(Control::Command2);
    EXPECT_TRUE(brenvik_->HasEnded(10000));
    EXPECT_TRUE(WaitFor([] { return !TrayIconShown(); }));
}

TEST_F(BrenvikExe, TheCloseButtonWhileRefreshingEndsTheProgram) {
    StartPlayer(L"Song 1");
    BrenvikWindow window = StartRefreshing(L"1");
    ASSERT_TRUE(WaitForPublications(1));
    PostMessageW(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(brenvik_->HasEnded(10000));
    const std::size_t published = Published().size();
    SetTitle(L"Song 2");
    EXPECT_EQ(PublicationsAfterAWhile(), published);
    EXPECT_FALSE(TrayIconShown());
}

// A second start in the same user session shows the running window, back from the
// tray too, publishes nothing (a start that ran would publish the new title at once)
// and ends; the running Brenvik goes on.
TEST_F(BrenvikExe, ASecondStartShowsTheRunningWindowPublishesNothingAndEnds) {
    StartPlayer(L"Song A");
    BrenvikWindow window = StartBrenvik();
    ASSERT_TRUE(WaitForPublications(1));
    SetTitle(L"Song B");
    HWND player = FindWindowW(L"" BRENVIK_PLAYER_WINDOW_CLASS, nullptr);
    for (const bool inTheTray : {true, false}) {
        SCOPED_TRACE(inTheTray ? "window in the tray" : "window shown");
        if (inTheTray) {
            window.Click(Control::Command3);
            ASSERT_TRUE(WaitFor([&] { return !window.Visible() && TrayIconShown(); }));
        }
        // Another program has the foreground, as when the user starts Brenvik again.
        SetForegroundWindow(player);
        ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == player; }));
        const ULONGLONG started = GetTickCount64();
        testing::ChildProcess second(L"Brenvik.exe", L"");
        ASSERT_TRUE(second.HasEnded(10000)) << "the second start still runs";
        std::printf("The second start ended after %llu ms\n", GetTickCount64() - started);
        EXPECT_EQ(second.ExitCode(), 0u);
        EXPECT_TRUE(WaitFor([&] { return window.Visible() && !TrayIconShown(); }));
        EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == window.Handle(); }))
            << "the window came back behind another program";
        EXPECT_EQ(BrenvikWindow::Find(), window.Handle());
        EXPECT_FALSE(brenvik_->HasEnded());
    }
    EXPECT_EQ(PublicationsAfterAWhile(), 1u);
    EXPECT_EQ(Published()[0].status, "Song A");
}

TEST_F(BrenvikExe, TheWindowIsLaidOutAsDesignedAt96Dpi) {
    BrenvikWindow window = StartBrenvik();
    RECT client{};
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, testing::kClientAt96Dpi.cx);
    EXPECT_EQ(client.bottom, testing::kClientAt96Dpi.cy);
    wchar_t caption[16] = L"";
    GetWindowTextW(window.Handle(), caption, 16);
    EXPECT_STREQ(caption, L"Brenvik");
    const LONG style = GetWindowLongW(window.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));

    struct Shown {
        Control control;
        std::string_view name;
        const wchar_t* text;
    };
    // The window's own texts, exactly as the user reads them.
    const Shown shown[] = {
        {Control::Label1, "Label1", L"Prefix:"},
        {Control::Label2, "Label2", L"Refresh"},
        {Control::Label5, "Label5", L"invisible"},
        {Control::Text1, "Text1", L""},
        {Control::Text2, "Text2", L"3"},
        {Control::Label4, "Label4", L""},
        {Control::Command1, "Command1", L"Start"},
        {Control::Command3, "Command3", L"Goto Tray"},
        {Control::Command2, "Command2", L"Tutup Aplikasi"},
        {Control::Check1, "Check1", L"Check1"},
        {Control::Label3, "Label3", L"detik"},
    };
    for (const Shown& c : shown) {
        SCOPED_TRACE(c.name);
        const RECT expected = testing::PlaceAt96Dpi(c.name);
        RECT r{};
        GetWindowRect(window.Item(c.control), &r);
        MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, expected.left);
        EXPECT_EQ(r.top, expected.top);
        if (expected.right != 0) {  // not a label that fits its text
            EXPECT_EQ(r.right, expected.right);
            EXPECT_EQ(r.bottom, expected.bottom);
        }
        EXPECT_EQ(window.Text(c.control), c.text);
    }
    // A screen reader names a box after the label just before it in z-order.
    for (const auto& [box, label] : {std::pair{Control::Text1, Control::Label1},
                                     {Control::Text2, Control::Label2},
                                     {Control::Check1, Control::Label5}})
        EXPECT_EQ(GetWindow(window.Item(box), GW_HWNDPREV), window.Item(label));

    // Tab walks Text1, Command1, Command3, Text2, Command2, Check1; Text1 has the focus.
    const Control order[] = {Control::Text1, Control::Command1, Control::Command3,
                             Control::Text2, Control::Command2, Control::Check1};
    for (std::size_t i = 0; i < std::size(order); ++i) {
        HWND next = GetNextDlgTabItem(window.Handle(), window.Item(order[i]), FALSE);
        EXPECT_EQ(next, window.Item(order[(i + 1) % std::size(order)])) << "after control " << i;
    }
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(window.Handle(), nullptr), &gui);
    EXPECT_EQ(gui.hwndFocus, window.Item(Control::Text1));
}

}  // namespace
}  // namespace brenvik::e2e
