// The shell's mouse messages on the icon, arriving as mouse moves in twips, and the
// events they raise.
#include "tests/tray/tray_fixture.h"

namespace brenvik::testing {
namespace {

struct Raised {
    int event;
    std::int16_t button;
    bool operator==(const Raised&) const = default;
};

class TrayMouseTest : public TrayTest {
protected:
    TrayMouseTest() {
        Load();
        site.OnEvent([this](int event, forms::EventArgs& args) {
            raised.push_back({event, args.button});
        });
    }
    // The shell reports `message`; the runtime hands it on as x, in twips.
    void Report(std::uint32_t message) {
        tray.OnWindowMouseMove(0, 0, static_cast<float>(message) * site.TwipsPerPixelX(), 0);
    }

    std::vector<Raised> raised;
};

// At 96, 120 and 168 dpi (175 %, where a pixel is not a whole number of twips).
constexpr float kTwipsPerPixel[] = {15.0f, 12.0f, 1440.0f / 168.0f};

struct MouseCase {
    std::uint32_t message;
    Raised expected;
};
constexpr MouseCase kMouseTable[] = {
    {512, {Tray::kMouseMove, 0}}, {513, {Tray::kMouseDown, 1}}, {514, {Tray::kMouseUp, 1}},
    {515, {Tray::kDblClick, 0}},  {516, {Tray::kMouseDown, 2}}, {517, {Tray::kMouseUp, 2}},
    {518, {Tray::kDblClick, 0}},
};

TEST_F(TrayMouseTest, EachMessageRaisesItsEventAtEveryScreenDensity) {
    for (float twipsPerPixel : kTwipsPerPixel) {
        site.SetTwipsPerPixelX(twipsPerPixel);
        for (const auto& c : kMouseTable) {
            SCOPED_TRACE(::testing::Message()
                         << c.message << " at " << twipsPerPixel << " twips per pixel");
            raised.clear();
            Report(c.message);
            EXPECT_EQ(raised, std::vector<Raised>{c.expected});
        }
    }
}

TEST_F(TrayMouseTest, OtherMessagesRaiseNothing) {
    constexpr std::uint32_t kOthers[] = {519, 520, 521, 511, 522, 0, 1, 33, 1024, 65535};
    for (float twipsPerPixel : kTwipsPerPixel) {
        site.SetTwipsPerPixelX(twipsPerPixel);
        for (std::uint32_t message : kOthers) {
            SCOPED_TRACE(::testing::Message()
                         << message << " at " << twipsPerPixel << " twips per pixel");
            Report(message);
        }
    }
    EXPECT_TRUE(raised.empty());
}

TEST_F(TrayMouseTest, APositionThatIsNotAWholeMessageRaisesNothing) {
    constexpr float kTwips[] = {513 * 15 + 0.5f, 513 * 15 - 1, 515 * 15 + 7, 514 * 15 + 0.001f};
    for (float x : kTwips) {
        SCOPED_TRACE(x);
        tray.OnWindowMouseMove(0, 0, x, 0);
    }
    site.SetTwipsPerPixelX(12);
    tray.OnWindowMouseMove(0, 0, 513.5f * 12, 0);
    EXPECT_TRUE(raised.empty());
}

TEST_F(TrayMouseTest, ButtonShiftAndYAreNotLookedAt) {
    tray.OnWindowMouseMove(2, 7, 513 * 15, 515 * 15);
    EXPECT_EQ(raised, (std::vector<Raised>{{Tray::kMouseDown, 1}}));
}

TEST_F(TrayMouseTest, ADoubleClickRaisesEveryMessageOfItInTurn) {
    for (std::uint32_t message : {512u, 513u, 514u, 515u, 514u}) Report(message);
    EXPECT_EQ(raised, (std::vector<Raised>{{Tray::kMouseMove, 0},
                                           {Tray::kMouseDown, 1},
                                           {Tray::kMouseUp, 1},
                                           {Tray::kDblClick, 0},
                                           {Tray::kMouseUp, 1}}));
}

TEST_F(TrayMouseTest, AHandlerThatHidesTheIconOnDblClickDeletesIt) {
    tray.InitDefaults();
    tray.SetVisible(true);
    const auto id = LastCall().Field(kUId);
    site.OnEvent([this](int event, forms::EventArgs&) {
        if (event == Tray::kDblClick) tray.SetVisible(false);
    });
    Report(515);
    EXPECT_EQ(LastCall().message, win::kNimDelete);
    EXPECT_EQ(LastCall().Field(kUId), id);
    EXPECT_TRUE(LastCall().succeeded);
    EXPECT_FALSE(tray.Visible());
    EXPECT_FALSE(tray.IconShown());
}

}  // namespace
}  // namespace brenvik::testing
