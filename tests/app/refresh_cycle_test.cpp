// The refresh cycle: Start/Stop, the interval, and the captured title.
#include <algorithm>

#include "app/now_playing.h"
#include "app/refresh_interval.h"
#include "platform/window_api.h"
#include "tests/app/form1_fixture.h"

namespace brenvik::testing {
namespace {

struct IntervalCase {
    const char16_t* text;
    std::int32_t milliseconds;
};
constexpr IntervalCase kIntervals[] = {
    {u"3", 3000},
    {u"", 3000},
    {u"0", 3000},
    {u"abc", 3000},
    {u"0.4", 3000},
    {u"0.5", 3000},
    {u"2.5", 2000},
    {u"3.5", 4000},
    {u"1.6", 2000},
    {u"10 s", 10000},
    {u"32", 32000},
    {u"33", 33000},
    {u"-5", 3000},
    {u"-2147483648", 3000},
    {u"  7", 7000},
    {u"+4", 4000},
    {u"1e9", 1000},
    {u"0x10", 3000},
    {u"99999999", 2147483000},
    {u"2147483", 2147483000},
    {u"2147484", 2147483000},
    // More digits than the 19 that are counted: zeros that change nothing.
    {u"5.00000000000000000000", 5000},
    {u"000000000000000000005", 5000},
};

TEST(RefreshInterval, SecondsRoundHalfToEvenWithDefaultAndLongestInterval) {
    for (const auto& c : kIntervals) {
        SCOPED_TRACE(std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text)));
        EXPECT_EQ(RefreshIntervalMilliseconds(c.text), c.milliseconds);
    }
    EXPECT_EQ(RefreshIntervalMilliseconds(std::u16string(5000, u'9')), 2147483000);
    EXPECT_EQ(RefreshIntervalMilliseconds(u"5." + std::u16string(400, u'0')), 5000);
}

using RefreshCycle = Form1Test;

TEST_F(RefreshCycle, StartRunsOneTickBeforeTheTimerIsEnabled) {
    settings.SetUserId("user1");
    StartPlayer("Song A");
    log.Clear();
    window.Click(Control::Command1);
    const std::vector<std::string> expected = {
        "Timer1.Interval 3000",
        "create " + other_programs::CustomMessagesKey(BRENVIK_PAGER_SUB_KEY, "user1"),
        "value " BRENVIK_STATUS_VALUE,
        "value " BRENVIK_INVISIBLE_VALUE,
        "Label4.Caption Preview: Song A",
        "Timer1.Enabled true",
        "Command1.Caption Stop"};
    EXPECT_EQ(log.Entries(), expected);
    EXPECT_TRUE(form->IsRunning());
}

TEST_F(RefreshCycle, StopRunsNoTickAndStopsTheTimer) {
    settings.SetUserId("user1");
    StartPlayer("Song A");
    window.Click(Control::Command1);
    backend->DestroyWindow(player);
    player = 0;
    log.Clear();
    window.Click(Control::Command1);
    const std::vector<std::string> expected = {"Timer1.Enabled false", "Command1.Caption Start"};
    EXPECT_EQ(log.Entries(), expected);
    EXPECT_FALSE(window.ElapseTimer(Control::Timer1));
}

TEST_F(RefreshCycle, TheIntervalIsFixedAtSwitchOn) {
    Type(Control::Text2, u"2.5");
    window.Click(Control::Command1);
    Type(Control::Text2, u"10");
    EXPECT_EQ(Timer1().Interval(), 2000);
    window.Click(Control::Command1);
    window.Click(Control::Command1);
    EXPECT_EQ(Timer1().Interval(), 10000);
}

TEST_F(RefreshCycle, EveryTickReadsThePrefixAsTypedAndPublishesOnlyChanges) {
    settings.SetUserId("user1");
    StartMessenger();
    StartPlayer("Song A");
    Type(Control::Text1, u"np: ");
    window.Click(Control::Command1);
    EXPECT_EQ(settings.Status("user1"), "np: Song A");
    EXPECT_TRUE(window.ElapseTimer(Control::Timer1));
    EXPECT_EQ(CommandsReceived(), 1);  // unchanged
    Type(Control::Text1, u"");
    EXPECT_TRUE(window.ElapseTimer(Control::Timer1));
    EXPECT_EQ(settings.Status("user1"), "Song A");
    EXPECT_EQ(CommandsReceived(), 2);
}

TEST_F(RefreshCycle, ANewTitleOfTheSameLengthIsPublished) {
    settings.SetUserId("user1");
    StartPlayer("Song 1");
    window.Click(Control::Command1);
    backend->DestroyWindow(player);
    StartPlayer("Song 2");
    EXPECT_TRUE(window.ElapseTimer(Control::Timer1));
    EXPECT_EQ(settings.Status("user1"), "Song 2");
    backend->DestroyWindow(player);
    player = 0;
    EXPECT_TRUE(window.ElapseTimer(Control::Timer1));
    EXPECT_EQ(settings.Status("user1"), "");  // the player closed: the prefix alone
}

// The 260-byte buffer holds 259 bytes of title and its NUL.
struct TitleCase {
    const char* name;
    std::string title;
    std::string captured;
};

TEST_F(RefreshCycle, ATitleIsCapturedUpToItsFirst259Bytes) {
    const TitleCase cases[] = {
        {"258 bytes", std::string(258, 'a'), std::string(258, 'a')},
        {"259 bytes, as many as the buffer holds", std::string(259, 'b'), std::string(259, 'b')},
        {"260 bytes", std::string(259, 'c') + 'd', std::string(259, 'c')},
        {"300 bytes", std::string(250, 'e') + std::string(50, 'f'),
         std::string(250, 'e') + std::string(9, 'f')},
    };
    settings.SetUserId("user1");
    for (const TitleCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (player != 0) backend->DestroyWindow(player);
        StartPlayer(c.title);
        form->Timer1_Timer();
        EXPECT_EQ(settings.Status("user1"), c.captured);
    }
}

// Finds a player whose title read writes the given bytes and no NUL, as a read of a
// window that went between the search and the read may.
class TitleReadWithoutNul final : public PlayerWindowApi {
public:
    explicit TitleReadWithoutNul(std::string written) : written_(std::move(written)) {}

    Handle FindWindowA(const char*, const char*) override { return 0x1234; }
    int GetWindowTextA(Handle, char* buffer, int bufferSize) override {
        const std::size_t length = std::min(written_.size(), static_cast<std::size_t>(bufferSize));
        std::copy_n(written_.begin(), length, buffer);
        return static_cast<int>(length);
    }

private:
    std::string written_;
};

TEST(NowPlaying, AReadThatLeavesNoNulInTheBufferGivesNoTitle) {
    const std::unique_ptr<TestBackend> backend = MakeTestBackend();
    for (const std::string& written : {std::string(), std::string("Song"), std::string(260, 'x')}) {
        SCOPED_TRACE(written.size());
        TitleReadWithoutNul windows(written);
        NowPlaying nowPlaying;
        EXPECT_EQ(nowPlaying.Capture(windows, backend->Ansi()), u"");
    }
}

TEST_F(RefreshCycle, WithNoPlayerTheStatusIsThePrefixAlone) {
    settings.SetUserId("user1");
    Type(Control::Text1, u"idle");
    window.Click(Control::Command1);
    EXPECT_EQ(settings.Status("user1"), "idle");
}

}  // namespace
}  // namespace brenvik::testing
