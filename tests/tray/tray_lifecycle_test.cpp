// The control's life: made from stored properties, saved, sized, restored after a
// shell restart, and destroyed without leaving an icon behind.
#include "tests/tray/tray_fixture.h"

namespace brenvik::testing {
namespace {

TEST_F(TrayTest, DestroyingANeverShownControlSendsOneDeleteOfAnEmptyRecord) {
    Load();
    tray.OnTerminate();
    EXPECT_EQ(Messages(), Sent{win::kNimDelete});
    for (int offset : {kCbSize, kHWnd, kUId}) {
        SCOPED_TRACE(offset);
        EXPECT_EQ(LastCall().Field(offset), 0u);
    }
}

TEST_F(TrayTest, DestroyingAShownControlRemovesItsIcon) {
    tray.InitDefaults();
    tray.SetVisible(true);
    tray.OnTerminate();
    EXPECT_EQ(Messages(), (Sent{win::kNimAdd, win::kNimDelete}));
    EXPECT_TRUE(LastCall().succeeded);
    EXPECT_EQ(shell.IconCount(), 0u);
    EXPECT_FALSE(tray.IconShown());
}

TEST_F(TrayTest, StoredPropertiesAreReadWhateverTheirCaseAndAsStored) {
    const auto picture = std::make_shared<sim::SimPicture>(0x3A4);
    Load({{u"icon", picture}, {u"TOOLTIP", std::u16string(u"  tip ")}});
    EXPECT_EQ(tray.Icon(), picture);
    EXPECT_EQ(tray.ToolTip(), u"  tip ");  // not trimmed
    EXPECT_FALSE(tray.Visible());
    EXPECT_TRUE(shell.Calls().empty());
    EXPECT_TRUE(site.PropertyChanges().empty());
}

TEST_F(TrayTest, AStoredValueOfAnotherKindReadsAsTheDefault) {
    Load({{u"Icon", true}, {u"ToolTip", false}, {u"Visible", std::u16string(u"True")}});
    EXPECT_EQ(tray.Icon(), nullptr);
    EXPECT_EQ(tray.ToolTip(), u"");
    EXPECT_FALSE(tray.Visible());
}

TEST_F(TrayTest, StoredVisibleMarksTheControlWithoutAnIcon) {
    Load({{u"Visible", true}});
    EXPECT_TRUE(tray.Visible());
    EXPECT_FALSE(tray.IconShown());
    tray.SetVisible(true);
    EXPECT_TRUE(shell.Calls().empty());

    tray.SetVisible(false);
    tray.SetVisible(true);
    EXPECT_EQ(Messages(), (Sent{win::kNimDelete, win::kNimAdd}));
    EXPECT_TRUE(LastCall().succeeded);
    EXPECT_TRUE(tray.IconShown());
}

TEST_F(TrayTest, SavingLeavesOutDefaultsAndLoadingReadsBackWhatWasSaved) {
    tray.InitDefaults();
    forms::MemoryPropertyBag fresh;
    tray.SaveProperties(fresh);
    ASSERT_EQ(fresh.Stored().size(), 1u);  // the empty picture is not "no picture"
    EXPECT_EQ(fresh.ReadProperty(u"Icon", forms::PictureRef{}), forms::PropertyValue(tray.Icon()));

    Load();
    forms::MemoryPropertyBag defaults;
    tray.SaveProperties(defaults);
    EXPECT_TRUE(defaults.Stored().empty());

    const auto picture = std::make_shared<sim::SimPicture>(0x3A4);
    tray.SetIcon(picture);
    tray.SetToolTip(u"tip");
    site.SetUserMode(false);
    tray.SetVisible(true);
    forms::MemoryPropertyBag all;
    tray.SaveProperties(all);
    EXPECT_EQ(all.Stored().size(), 3u);
    EXPECT_EQ(all.ReadProperty(u"Icon", forms::PictureRef{}), forms::PropertyValue(picture));
    EXPECT_EQ(all.ReadProperty(u"ToolTip", std::u16string{}),
              forms::PropertyValue(std::u16string(u"tip")));
    EXPECT_EQ(all.ReadProperty(u"Visible", false), forms::PropertyValue(true));

    // What one control saved, another loads.
    sim::SimUserControlSite otherSite;
    Tray loaded(shell, codec, otherSite);
    loaded.LoadProperties(all);
    EXPECT_EQ(loaded.Icon(), picture);
    EXPECT_EQ(loaded.ToolTip(), u"tip");
    EXPECT_TRUE(loaded.Visible());
}

TEST_F(TrayTest, WhateverSizeTheHostGivesTheControlMeasuresItsImage) {
    constexpr float kSizes[][2] = {{4800, 3600}, {100, 50}, {510, 4800}, {0, 0}, {510, 510}};
    Load();
    for (const auto& size : kSizes) {
        SCOPED_TRACE(::testing::Message() << size[0] << " x " << size[1]);
        site.Resize(size[0], size[1]);
        EXPECT_EQ(site.Width(), 510);
        EXPECT_EQ(site.Height(), 510);
    }
}

TEST_F(TrayTest, AShellRestartAddsAShownIconAgainUnderTheSameIdentity) {
    tray.InitDefaults();
    tray.SetVisible(true);
    tray.SetToolTip(u"Brenvik");  // leaves uFlags at NIF_TIP alone
    const auto add = shell.Calls().front();
    shell.Restart();
    site.ClearPropertyChanges();

    tray.OnShellRestarted();
    EXPECT_EQ(LastCall().message, win::kNimAdd);
    EXPECT_TRUE(LastCall().succeeded);
    EXPECT_EQ(LastCall().Field(kUFlags), win::kNifMessage | win::kNifIcon | win::kNifTip);
    EXPECT_EQ(Tip(LastCall()), TipField("Brenvik"));
    for (int offset : {kCbSize, kHWnd, kUId, kUCallbackMessage, kHIcon}) {
        SCOPED_TRACE(offset);
        EXPECT_EQ(LastCall().Field(offset), add.Field(offset));
    }
    EXPECT_TRUE(tray.IconShown());
    EXPECT_EQ(shell.IconCount(), 1u);
    EXPECT_TRUE(site.PropertyChanges().empty());
}

TEST_F(TrayTest, AShellRestartLeavesHiddenAndMarkedControlsAlone) {
    Load();
    tray.SetVisible(true);
    tray.SetVisible(false);  // hidden after a show
    shell.Restart();
    tray.OnShellRestarted();
    EXPECT_EQ(Messages(), (Sent{win::kNimAdd, win::kNimDelete}));

    sim::SimUserControlSite designer;
    designer.SetUserMode(false);
    Tray marked(shell, codec, designer);
    forms::MemoryPropertyBag nothingStored;
    marked.LoadProperties(nothingStored);
    marked.SetVisible(true);
    marked.OnShellRestarted();
    EXPECT_EQ(shell.Calls().size(), 2u);
}

TEST_F(TrayTest, AShellThatStartsLateGetsTheIconThatItRefused) {
    shell.SetAvailable(false);
    Load();
    tray.SetVisible(true);
    EXPECT_FALSE(tray.IconShown());
    shell.SetAvailable(true);
    tray.OnShellRestarted();
    EXPECT_TRUE(LastCall().succeeded);
    EXPECT_TRUE(tray.IconShown());
}

TEST_F(TrayTest, ABroadcastWithoutARestartKeepsTheIconShown) {
    Load();
    tray.SetVisible(true);
    tray.OnShellRestarted();  // the shell still holds the icon
    EXPECT_EQ(Messages(), (Sent{win::kNimAdd, win::kNimAdd, win::kNimModify}));
    EXPECT_TRUE(LastCall().succeeded);
    EXPECT_TRUE(tray.IconShown());
    EXPECT_EQ(shell.IconCount(), 1u);
}

}  // namespace
}  // namespace brenvik::testing
