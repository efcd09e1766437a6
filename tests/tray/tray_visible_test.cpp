// Showing and hiding the icon: the adds and deletes that Visible sends, and the
// record each of them carries.
#include "tests/tray/tray_fixture.h"

namespace brenvik::testing {
namespace {

TEST_F(TrayTest, ShowingTwiceAddsOnceAndNotifiesOnce) {
    Load();
    tray.SetVisible(true);
    tray.SetVisible(true);
    EXPECT_EQ(Messages(), Sent{win::kNimAdd});
    EXPECT_EQ(site.PropertyChanges(), Changes{u"Visible"});
    EXPECT_TRUE(tray.Visible());
    EXPECT_TRUE(tray.IconShown());
    EXPECT_EQ(shell.IconCount(), 1u);
}

TEST_F(TrayTest, HidingANewControlDoesNothing) {
    Load();
    tray.SetVisible(false);
    EXPECT_TRUE(shell.Calls().empty());
    EXPECT_TRUE(site.PropertyChanges().empty());
}

TEST_F(TrayTest, ShowingAtDesignTimeOnlyMarksTheControl) {
    site.SetUserMode(false);
    Load();
    tray.SetVisible(true);
    EXPECT_TRUE(tray.Visible());
    EXPECT_FALSE(tray.IconShown());
    EXPECT_TRUE(shell.Calls().empty());
    EXPECT_EQ(site.PropertyChanges(), Changes{u"Visible"});
}

TEST_F(TrayTest, AddCarriesTheControlsWindowAndTheMouseCallback) {
    site.SetHWnd(0x5150);
    Load();
    tray.SetVisible(true);
    const auto& add = LastCall();
    EXPECT_EQ(add.Field(kCbSize), 88u);
    EXPECT_EQ(add.Field(kHWnd), 0x5150u);
    EXPECT_EQ(add.Field(kUCallbackMessage), 512u);
    EXPECT_TRUE(add.succeeded);
}

// What the add flags and sends, by what the control holds.
enum class IconKind { Absent, Empty, Handle };
struct AddCase {
    const char* name;
    IconKind icon;
    const char16_t* tip;
    std::uint32_t flags;
    std::uint32_t hIcon;
};
constexpr AddCase kAddCases[] = {
    {"no icon, no tip", IconKind::Absent, u"", 1, 0},
    {"no icon, a tip", IconKind::Absent, u"Brenvik", 5, 0},
    {"empty picture, no tip", IconKind::Empty, u"", 3, 0},
    {"empty picture, a tip", IconKind::Empty, u"Brenvik", 7, 0},
    {"an icon and a tip", IconKind::Handle, u"Brenvik", 7, 0x3A4},
};

TEST_F(TrayTest, AddFlagsWhatTheControlHolds) {
    for (const auto& c : kAddCases) {
        SCOPED_TRACE(c.name);
        sim::SimShell shell(effects);
        sim::SimUserControlSite site;
        Tray tray(shell, codec, site);
        if (c.icon == IconKind::Absent) {
            forms::MemoryPropertyBag nothingStored;
            tray.LoadProperties(nothingStored);
        } else {
            tray.InitDefaults();  // the empty picture
            if (c.icon == IconKind::Handle)
                tray.SetIcon(std::make_shared<sim::SimPicture>(c.hIcon));
        }
        tray.SetToolTip(c.tip);
        tray.SetVisible(true);
        const auto& add = shell.Calls().back();
        ASSERT_EQ(add.message, win::kNimAdd);
        EXPECT_EQ(add.Field(kUFlags), c.flags);
        EXPECT_EQ(add.Field(kHIcon), c.hIcon);
        if (c.flags & win::kNifTip) {
            EXPECT_EQ(Tip(add), TipField("Brenvik"));
        }
    }
}

TEST_F(TrayTest, TheFirstAddOfARunCarriesId46239) {
    // The never-seeded generator's first number is 0.7055475 at every run.
    Load();
    tray.SetVisible(true);
    EXPECT_EQ(LastCall().Field(kUId), 46239u);
}

TEST_F(TrayTest, HideThenShowDrawsANewIdAndTheNextDeleteCarriesIt) {
    Load();
    tray.SetVisible(true);
    const auto firstId = LastCall().Field(kUId);
    tray.SetVisible(false);
    EXPECT_EQ(LastCall().message, win::kNimDelete);
    EXPECT_EQ(LastCall().Field(kUId), firstId);
    EXPECT_TRUE(LastCall().succeeded);

    tray.SetVisible(true);
    const auto secondId = LastCall().Field(kUId);
    EXPECT_NE(secondId, firstId);
    tray.SetVisible(false);
    EXPECT_EQ(LastCall().message, win::kNimDelete);
    EXPECT_EQ(LastCall().Field(kUId), secondId);
    EXPECT_TRUE(LastCall().succeeded);
    EXPECT_EQ(shell.IconCount(), 0u);
    EXPECT_EQ(site.PropertyChanges(), (Changes{u"Visible", u"Visible", u"Visible", u"Visible"}));
}

TEST_F(TrayTest, AFailedAddLeavesVisibleTrueButTheIconNotShown) {
    shell.SetAvailable(false);
    Load();
    tray.SetVisible(true);
    EXPECT_FALSE(LastCall().succeeded);
    EXPECT_TRUE(tray.Visible());
    EXPECT_FALSE(tray.IconShown());
}

TEST_F(TrayTest, HidingAMarkedControlSendsADeleteThatFindsNoIcon) {
    site.SetUserMode(false);
    Load();
    tray.SetVisible(true);
    tray.SetVisible(false);
    EXPECT_EQ(Messages(), Sent{win::kNimDelete});
    EXPECT_FALSE(LastCall().succeeded);
    EXPECT_FALSE(tray.Visible());
}

}  // namespace
}  // namespace brenvik::testing
