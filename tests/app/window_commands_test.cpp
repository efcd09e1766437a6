// Start-up, "Goto Tray", the double click on the icon, "Tutup Aplikasi" and the
// close button, on the simulated shell (Brenvik.exe itself is driven end to end
// under Wine in tests/e2e).
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/other_programs.h"
#include "tests/app/form1_fixture.h"
#include "tests/support/sim_backend.h"

namespace brenvik::testing {
namespace {

// The window's effects and the simulated shell's in one record.
class WindowCommands : public ::testing::Test {
protected:
    std::unique_ptr<SimBackend> simulation = std::make_unique<SimBackend>();
    sim::SimWinApi& api = simulation->api;
    Form1Fixture fixture{std::move(simulation), &api.effects, false};
    MessengerSettings& settings = fixture.settings;
    sim::SimRuntime& runtime = fixture.runtime;
    std::unique_ptr<Form1>& form = fixture.form;

    sim::SimForm& Window() { return fixture.Window(); }
    void Start() {
        fixture.Load();
        form->LoadAndShow();
    }
    // The shell reports a mouse message on the icon to the control's window.
    void MouseOnIcon(std::uint32_t message) {
        auto& site = Window().SiteOf(Control::Tray1);
        Window()
            .UserControlOf(Control::Tray1)
            .OnWindowMouseMove(0, 0, message * site.TwipsPerPixelX(), 0);
    }
    void DoubleClickIcon() {
        for (std::uint32_t m : {513u, 514u, 515u, 514u}) MouseOnIcon(m);
    }
    std::u16string Caption(forms::ControlId label) { return fixture.Caption(label); }
};

TEST_F(WindowCommands, StartUpPublishesThePlayingTitleOnceWithTheRefreshOff) {
    settings.SetUserId("user1");
    api.windows.Create(BRENVIK_PLAYER_WINDOW_CLASS, "Song A");
    Start();
    EXPECT_EQ(settings.Status("user1"), "Song A");
    EXPECT_EQ(Caption(Control::Label4), u"Preview: Song A");
    EXPECT_EQ(Window().ButtonOf(Control::Command1).Caption(), u"Start");
    EXPECT_FALSE(Window().TimerOf(Control::Timer1).Enabled());
    EXPECT_TRUE(Window().Visible());
    EXPECT_EQ(api.shell.IconCount(), 0u);
}

TEST_F(WindowCommands, StartUpWithNothingPlayingPublishesNothing) {
    settings.SetUserId("user1");
    Start();
    EXPECT_FALSE(settings.Status("user1").has_value());
    EXPECT_EQ(Caption(Control::Label4), u"");
    EXPECT_TRUE(Window().Visible());
}

TEST_F(WindowCommands, GotoTrayTradesTheWindowForTheIconAndTheRefreshGoesOn) {
    settings.SetUserId("user1");
    const Handle player = api.windows.Create(BRENVIK_PLAYER_WINDOW_CLASS, "Song A");
    Start();
    Window().Click(Control::Command1);
    Window().Click(Control::Command3);
    EXPECT_FALSE(Window().Visible());
    ASSERT_EQ(api.shell.IconCount(), 1u);
    const auto& add = api.shell.Calls().back();
    EXPECT_EQ(add.message, win::kNimAdd);
    EXPECT_EQ(add.Field(12), 7u);  // message, icon and tip
    EXPECT_EQ(add.Field(20), runtime.ProgramIcon()->Handle());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&add.record[24])),
              "Dobel klik untuk menampilkan window");

    api.windows.SetTitle(player, "Song B");
    EXPECT_TRUE(Window().ElapseTimer(Control::Timer1));
    EXPECT_EQ(settings.Status("user1"), "Song B");
}

TEST_F(WindowCommands, ADoubleClickOnTheIconBringsTheWindowBackAsItWas) {
    settings.SetUserId("user1");
    api.windows.Create(BRENVIK_PLAYER_WINDOW_CLASS, "Song A");
    Start();
    Window().Click(Control::Command1);
    Window().Click(Control::Command3);
    api.effects.Clear();
    DoubleClickIcon();
    // Shown before the icon goes: at no moment is there neither.
    EXPECT_EQ(api.effects.Entries(),
              (std::vector<std::string>{"Form.Show", "Shell_NotifyIconA NIM_DELETE"}));
    EXPECT_TRUE(Window().Visible());
    EXPECT_EQ(api.shell.IconCount(), 0u);
    EXPECT_EQ(Caption(Control::Label4), u"Preview: Song A");
    EXPECT_TRUE(form->IsRunning());
    EXPECT_EQ(Window().ButtonOf(Control::Command1).Caption(), u"Stop");
}

TEST_F(WindowCommands, ARightButtonDoubleClickBringsTheWindowBackToo) {
    Start();
    Window().Click(Control::Command3);
    MouseOnIcon(518);
    EXPECT_TRUE(Window().Visible());
    EXPECT_EQ(api.shell.IconCount(), 0u);
}

TEST_F(WindowCommands, WithoutANotificationAreaGotoTrayKeepsTheWindowShown) {
    Start();
    api.shell.SetAvailable(false);
    Window().Click(Control::Command3);
    EXPECT_TRUE(Window().Visible());
    api.shell.SetAvailable(true);  // the shell comes up: the next click goes to the tray
    Window().Click(Control::Command3);
    EXPECT_FALSE(Window().Visible());
    EXPECT_EQ(api.shell.IconCount(), 1u);
}

// A new shell: the window in the tray stays there when the icon comes back, and is
// shown again when the shell refuses it; a shown window stays as it is, not shown again
// (which would pull it to the front).
struct RestartCase {
    const char* name;
    bool inTheTray;
    bool shellTakesTheIcon;
    bool windowShown;
    std::size_t icons;
    int shows;
};
constexpr RestartCase kRestartCases[] = {
    {"in the tray, icon taken back", true, true, false, 1, 0},
    {"in the tray, icon refused", true, false, true, 0, 1},
    {"window shown", false, true, true, 0, 0},
};

TEST_F(WindowCommands, AfterAShellRestartEitherTheWindowOrItsIconIsThere) {
    for (const auto& c : kRestartCases) {
        SCOPED_TRACE(c.name);
        Start();
        if (c.inTheTray) Window().Click(Control::Command3);
        api.shell.Restart();
        api.shell.SetAvailable(c.shellTakesTheIcon);
        api.effects.Clear();
        Window().ShellRestarted();
        EXPECT_EQ(Window().Visible(), c.windowShown);
        EXPECT_EQ(api.shell.IconCount(), c.icons);
        const auto& effects = api.effects.Entries();
        EXPECT_EQ(std::count(effects.begin(), effects.end(), "Form.Show"), c.shows);

        api.shell.SetAvailable(true);  // the tray works again: "Goto Tray" goes there
        if (Window().Visible()) Window().Click(Control::Command3);
        EXPECT_FALSE(Window().Visible());
        EXPECT_EQ(api.shell.IconCount(), 1u);
        DoubleClickIcon();
        EXPECT_TRUE(Window().Visible());
        EXPECT_EQ(api.shell.IconCount(), 0u);
    }
}

// Brenvik started again in the same user session: the running window comes forward,
// back from the tray as a double click on the icon brings it, and nothing is published.
struct StartedAgainCase {
    const char* name;
    bool inTheTray;
    std::vector<std::string> effects;
};

TEST_F(WindowCommands, AnotherStartShowsTheWindowBackFromTheTrayTooAndPublishesNothing) {
    const StartedAgainCase cases[] = {
        {"in the tray", true, {"Form.Show", "Shell_NotifyIconA NIM_DELETE"}},
        {"window shown", false, {"Form.Show"}},
    };
    settings.SetUserId("user1");
    api.windows.Create(BRENVIK_PLAYER_WINDOW_CLASS, "Song A");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start();
        if (c.inTheTray) Window().Click(Control::Command3);
        api.effects.Clear();
        Window().StartedAgain();
        EXPECT_EQ(api.effects.Entries(), c.effects);
        EXPECT_TRUE(Window().Visible());
        EXPECT_EQ(api.shell.IconCount(), 0u);
    }
}

TEST_F(WindowCommands, TutupAplikasiEndsTheProgramWithNoIconLeft) {
    Start();
    Window().Click(Control::Command1);
    Window().Click(Control::Command2);
    EXPECT_TRUE(runtime.Ended());
    EXPECT_FALSE(Window().Loaded());
    EXPECT_EQ(api.shell.IconCount(), 0u);
    EXPECT_FALSE(Window().ElapseTimer(Control::Timer1));
}

TEST_F(WindowCommands, TheCloseButtonWhileRunningStopsTheTicksAndLeavesNoIcon) {
    Start();
    Window().Click(Control::Command1);
    Window().Close();
    EXPECT_FALSE(Window().ElapseTimer(Control::Timer1));
    EXPECT_EQ(api.shell.IconCount(), 0u);
    EXPECT_EQ(api.shell.Calls().back().message,
              win::kNimDelete);  // the control's own end-of-life delete
}

}  // namespace
}  // namespace brenvik::testing
