// Publishing a status text as the messenger's custom message 5.
#include <vector>

#include "tests/app/form1_fixture.h"

namespace brenvik::testing {
namespace {

using Publication = Form1Test;
using namespace other_programs;

TEST_F(Publication, WritesTheProfileOfTheUserAndShowsThePreview) {
    settings.SetUserId("user1");
    StartMessenger();
    form->SetBrenvik(u"abc");
    EXPECT_EQ(settings.Status("user1"), "abc");
    EXPECT_EQ(settings.Invisible("user1"), 1u);  // Check1 starts checked
    EXPECT_EQ(Caption(Control::Label4), u"Preview: abc");
    EXPECT_EQ(form->PublishedStatus(), u"abc");
    EXPECT_EQ(CommandsReceived(), 1);
}

TEST_F(Publication, WritesTheStringThenTheFlagThenPostsThenShowsThePreview) {
    settings.SetUserId("user1");
    StartMessenger();
    log.Clear();
    form->SetBrenvik(u"abc");
    const std::vector<std::string> expected = {
        "create " + CustomMessagesKey(BRENVIK_PAGER_SUB_KEY, "user1"),  // a new profile
        "value " BRENVIK_STATUS_VALUE, "value " BRENVIK_INVISIBLE_VALUE,
        "post 273 " + std::to_string(kReadStatusCommand) + " 0", "Label4.Caption Preview: abc"};
    EXPECT_EQ(log.Entries(), expected);
}

TEST_F(Publication, SkipsATextEqualToTheOneLastPublished) {
    settings.SetUserId("user1");
    StartMessenger();
    form->SetBrenvik(u"abc");
    registry.ClearCalls();
    messengerWindows.searches = 0;
    log.Clear();
    form->SetBrenvik(u"abc");
    EXPECT_TRUE(registry.Calls().empty());
    EXPECT_EQ(messengerWindows.searches, 0);
    EXPECT_TRUE(log.Entries().empty());
    EXPECT_EQ(CommandsReceived(), 1);
}

TEST_F(Publication, TextsThatDifferOnlyInCaseAreBothPublished) {
    settings.SetUserId("user1");
    StartMessenger();
    form->SetBrenvik(u"abc");
    form->SetBrenvik(u"ABC");
    EXPECT_EQ(settings.Status("user1"), "ABC");
    EXPECT_EQ(CommandsReceived(), 2);
}

TEST_F(Publication, AnEmptyTextAtStartUpPublishesNothing) {
    settings.SetUserId("user1");
    form->SetBrenvik(u"");
    EXPECT_TRUE(registry.Calls().empty());
    EXPECT_EQ(Caption(Control::Label4), u"");
}

TEST_F(Publication, TheFlagAloneDoesNotPublishButGoesOutWithTheNextText) {
    settings.SetUserId("user1");
    StartMessenger();
    form->SetBrenvik(u"one");
    window.CheckBoxOf(Control::Check1).SetValue(0);
    form->SetBrenvik(u"one");
    EXPECT_EQ(settings.Invisible("user1"), 1u);
    form->SetBrenvik(u"two");
    EXPECT_EQ(settings.Invisible("user1"), 0u);
    EXPECT_EQ(CommandsReceived(), 2);
}

TEST_F(Publication, WithTheMessengerAbsentTheValuesAreStillWritten) {
    settings.SetUserId("user1");
    form->SetBrenvik(u"abc");
    EXPECT_EQ(settings.Status("user1"), "abc");
    EXPECT_EQ(Caption(Control::Label4), u"Preview: abc");
    EXPECT_EQ(form->PublishedStatus(), u"abc");
}

// No messenger user: nothing is written, nothing posted, the preview stays, and the
// next tick tries again.
struct NoUserCase {
    const char* name;
    bool pagerKey;
    const char* userId;  // nullptr: the value is missing
};
constexpr NoUserCase kNoUserCases[] = {
    {"no pager key", false, nullptr},
    {"no user ID value", true, nullptr},
    {"empty user ID", true, ""},
    {"user ID naming a key outside the profile", true, "..\\..\\x"},
};

TEST_F(Publication, WithoutAMessengerUserNothingIsPublishedAndNoErrorProfileAppears) {
    StartMessenger();
    for (const auto& c : kNoUserCases) {
        SCOPED_TRACE(c.name);
        if (c.userId != nullptr)
            settings.SetUserId(c.userId);
        else if (c.pagerKey)
            settings.CreatePagerKeyOnly();
        log.Clear();
        form->SetBrenvik(u"abc");
        EXPECT_TRUE(log.Entries().empty());
        EXPECT_EQ(Caption(Control::Label4), u"");
        EXPECT_EQ(form->PublishedStatus(), u"");
        EXPECT_FALSE(settings.ProfileExists("Error"));
    }
    EXPECT_EQ(CommandsReceived(), 0);
    settings.SetUserId("user1");
    form->SetBrenvik(u"abc");  // the user appears: the same text now goes out
    EXPECT_EQ(settings.Status("user1"), "abc");
    EXPECT_EQ(CommandsReceived(), 1);
}

// A tick that found no user wrote nothing, so it owes nothing: with the title back at
// the text last published, the user's return publishes nothing more.
TEST_F(Publication, ATickWithoutAUserOwesNothingOnceTheTitleIsBack) {
    settings.SetUserId("user1");
    StartMessenger();
    form->SetBrenvik(u"old");
    settings.SetUserId("");
    form->SetBrenvik(u"new");
    form->SetBrenvik(u"old");
    settings.SetUserId("user1");
    registry.ClearCalls();
    form->SetBrenvik(u"old");
    EXPECT_TRUE(registry.Calls().empty());
    EXPECT_EQ(CommandsReceived(), 1);
    EXPECT_EQ(Caption(Control::Label4), u"Preview: old");
}

}  // namespace
}  // namespace brenvik::testing
