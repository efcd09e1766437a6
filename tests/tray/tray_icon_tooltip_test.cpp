// Changing the picture and the tip: in place while shown, and what each change
// writes into the record.
#include "tests/tray/tray_fixture.h"

namespace brenvik::testing {
namespace {

TEST_F(TrayTest, NoPictureWhileShownDeletesTheIcon) {
    tray.InitDefaults();
    tray.SetVisible(true);
    const auto id = LastCall().Field(kUId);
    site.ClearPropertyChanges();

    tray.SetIcon(nullptr);
    EXPECT_EQ(Messages(), (Sent{win::kNimAdd, win::kNimDelete}));
    EXPECT_EQ(LastCall().Field(kUId), id);
    EXPECT_EQ(shell.IconCount(), 0u);
    EXPECT_FALSE(tray.Visible());
    EXPECT_FALSE(tray.IconShown());
    EXPECT_EQ(tray.Icon(), nullptr);
    EXPECT_EQ(site.PropertyChanges(), (Changes{u"Visible", u"Icon"}));
}

TEST_F(TrayTest, NoPictureWhileHiddenOnlyNotifiesIcon) {
    tray.InitDefaults();
    tray.SetIcon(nullptr);
    EXPECT_TRUE(shell.Calls().empty());
    EXPECT_EQ(site.PropertyChanges(), Changes{u"Icon"});
}

TEST_F(TrayTest, AnEmptyPictureWhileShownModifiesWithNoImage) {
    tray.SetIcon(std::make_shared<sim::SimPicture>(0x3A4));
    tray.SetVisible(true);
    EXPECT_EQ(LastCall().Field(kHIcon), 0x3A4u);

    tray.SetIcon(site.EmptyPicture());
    EXPECT_EQ(LastCall().message, win::kNimModify);
    EXPECT_EQ(LastCall().Field(kUFlags), win::kNifIcon);
    EXPECT_EQ(LastCall().Field(kHIcon), 0u);
    EXPECT_TRUE(LastCall().succeeded);
    EXPECT_TRUE(tray.Visible());
}

TEST_F(TrayTest, APictureWhileHiddenWaitsForTheNextShow) {
    Load();
    const auto picture = std::make_shared<sim::SimPicture>(0x3A4);
    tray.SetIcon(picture);
    EXPECT_TRUE(shell.Calls().empty());
    EXPECT_EQ(tray.Icon(), picture);  // the same object, not a copy
    EXPECT_EQ(site.PropertyChanges(), Changes{u"Icon"});

    tray.SetVisible(true);
    EXPECT_EQ(LastCall().Field(kUFlags), win::kNifMessage | win::kNifIcon);
    EXPECT_EQ(LastCall().Field(kHIcon), 0x3A4u);
}

TEST_F(TrayTest, ATipLosesItsSpacesAndIsSentEvenWhileHidden) {
    Load();
    tray.SetToolTip(u"  abc  ");
    EXPECT_EQ(tray.ToolTip(), u"abc");
    EXPECT_EQ(Messages(), Sent{win::kNimModify});
    EXPECT_EQ(LastCall().Field(kUFlags), win::kNifTip);
    EXPECT_EQ(Tip(LastCall()), TipField("abc"));
    EXPECT_FALSE(LastCall().succeeded);  // no icon to change
    EXPECT_EQ(site.PropertyChanges(), Changes{u"ToolTip"});
}

TEST_F(TrayTest, OnlySpacesAreTrimmedFromATip) {
    Load();
    tray.SetToolTip(u"\tabc \t ");
    EXPECT_EQ(tray.ToolTip(), u"\tabc \t");
}

TEST_F(TrayTest, AnEmptyTipWhileShownEmptiesTheFieldAndLaterAddsFlagNoTip) {
    tray.InitDefaults();
    tray.SetToolTip(u"Brenvik");
    tray.SetVisible(true);
    tray.SetToolTip(u"");
    EXPECT_EQ(LastCall().message, win::kNimModify);
    EXPECT_EQ(LastCall().Field(kUFlags), win::kNifTip);
    EXPECT_EQ(Tip(LastCall()), TipField(""));
    EXPECT_TRUE(LastCall().succeeded);

    tray.SetVisible(false);
    tray.SetVisible(true);
    EXPECT_EQ(LastCall().message, win::kNimAdd);
    EXPECT_EQ(LastCall().Field(kUFlags), win::kNifMessage | win::kNifIcon);
}

TEST_F(TrayTest, ModifiesLeaveTheOtherFieldsAsTheLastAddLeftThem) {
    tray.InitDefaults();
    tray.SetIcon(std::make_shared<sim::SimPicture>(0x3A4));
    tray.SetVisible(true);
    const auto add = LastCall();
    tray.SetToolTip(u"x");
    const auto modify = LastCall();
    for (int offset : {kCbSize, kHWnd, kUId, kUCallbackMessage, kHIcon}) {
        SCOPED_TRACE(offset);
        EXPECT_EQ(modify.Field(offset), add.Field(offset));
    }
}

TEST_F(TrayTest, TheToolTipReadsWhatWasAssignedEvenWhenTheFieldCutsIt) {
    Load();
    const std::u16string longTip(100, u'w');
    tray.SetToolTip(longTip);
    EXPECT_EQ(tray.ToolTip(), longTip);
    EXPECT_EQ(Tip(LastCall()), std::string(63, 'w') + '\0');
}

}  // namespace
}  // namespace brenvik::testing
