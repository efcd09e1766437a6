// A publication while the registry fails: each registry call of SetBrenvik, one
// occurrence at a time, fails with each code Windows gives for that function. The
// program must not crash, must hand every key it got back to RegCloseKey, must write
// nowhere but the user's "Custom Msgs" key, and must announce a text only once both
// of its values are written: a lost user ID or a refused write leaves the preview,
// LastStatus and the messenger alone, and the next tick publishes the same text.
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "app/other_programs.h"
#include "tests/app/form1_fixture.h"
#include "tests/support/sim_backend.h"

namespace brenvik::testing {
namespace {

using sim::RegFunction;

using namespace other_programs;
const std::string kProfileKey = CustomMessagesKey(BRENVIK_PAGER_KEY_PATH, "user1");

// The codes each function answers with on Windows when it fails.
struct FunctionCodes {
    RegFunction function;
    const char* name;
    LResult codes[9];  // 0 ends a shorter list
};
constexpr FunctionCodes kFailures[] = {
    {RegFunction::OpenKeyEx, "RegOpenKeyExA", {2, 5, 6, 87, 161, 1010, 1011, 1018, 1450}},
    {RegFunction::CreateKey, "RegCreateKeyA", {5, 6, 87, 161, 1009, 1010, 1013, 1018, 1450}},
    {RegFunction::QueryValueEx, "RegQueryValueExA", {2, 5, 6, 87, 234, 1009, 1012, 1018, 1450}},
    {RegFunction::SetValueEx, "RegSetValueExA", {5, 6, 87, 998, 1009, 1013, 1018, 1450, 0}},
    {RegFunction::CloseKey, "RegCloseKey", {6, 1450, 0}},
};

// The first publication creates the profile key; later ones find it there.
struct Scenario {
    const char* name;
    bool profileExists;
};
constexpr Scenario kScenarios[] = {
    {"first publication, profile key missing", false},
    {"later publication, profile key there", true},
};

// Form1 on a fresh simulated Windows with the messenger running for user1.
struct Publisher {
    explicit Publisher(const Scenario& scenario) {
        settings.SetUserId("user1");
        fixture.StartMessenger();
        if (scenario.profileExists) form->SetBrenvik(u"old");
        api.effects.Clear();
    }

    int Posts() const { return static_cast<int>(api.windows.Posted(fixture.messenger).size()); }
    std::u16string Preview() { return fixture.Caption(Control::Label4); }

    std::unique_ptr<SimBackend> simulation = std::make_unique<SimBackend>();
    sim::SimWinApi& api = simulation->api;
    Form1Fixture fixture{std::move(simulation), &api.effects};
    MessengerSettings& settings = fixture.settings;
    RecordingMessageBox& messageBox = fixture.messageBox;
    std::unique_ptr<Form1>& form = fixture.form;
};

// The registry changes of the publication, from the simulation's effect log: only
// the profile key may be created and only its two values written.
void ExpectWritesOnlyToTheProfile(const sim::EffectLog& effects) {
    for (const std::string& effect : effects.Entries()) {
        SCOPED_TRACE(effect);
        if (effect.starts_with("RegCreateKeyA ")) {
            EXPECT_EQ(effect, std::string("RegCreateKeyA ") + kProfileKey);
        } else if (effect.starts_with("RegSetValueExA ")) {
            const std::string value = "RegSetValueExA " + kProfileKey + " ";
            EXPECT_TRUE(effect == value + BRENVIK_STATUS_VALUE ||
                        effect == value + BRENVIK_INVISIBLE_VALUE);
        } else {
            EXPECT_FALSE(effect.starts_with("Reg"));
        }
    }
}

// Fails the nth call of one function with `code` during a publication of "abc" and
// checks how it ends. False when the publication made fewer than n such calls.
bool FaultedPublicationEndsWell(const Scenario& scenario, const FunctionCodes& failing, int nth,
                                LResult code) {
    Publisher publisher(scenario);
    auto& registry = publisher.api.registry;
    const std::u16string statusBefore = publisher.form->PublishedStatus();
    const std::u16string previewBefore = publisher.Preview();
    const int postsBefore = publisher.Posts();
    const std::size_t callsBefore = registry.CallCount(failing.function);

    registry.FailCall(failing.function, code, static_cast<std::size_t>(nth));
    publisher.form->SetBrenvik(u"abc");
    if (registry.CallCount(failing.function) - callsBefore < static_cast<std::size_t>(nth))
        return false;

    EXPECT_EQ(publisher.fixture.registry.OpenKeys(), 0) << "a key was never handed to RegCloseKey";
    // A close that fails keeps its key: that one is the registry's, not the program's.
    const std::size_t keptByTheRegistry = failing.function == RegFunction::CloseKey ? 1 : 0;
    EXPECT_EQ(registry.OpenKeyCount(), keptByTheRegistry);
    ExpectWritesOnlyToTheProfile(publisher.api.effects);
    EXPECT_TRUE(publisher.messageBox.prompts.empty());

    // The user ID is read by the first open and the first query. A refused create or
    // value write loses a value; a refused open is made up for by the create.
    const bool userIdLost = nth == 1 && (failing.function == RegFunction::OpenKeyEx ||
                                         failing.function == RegFunction::QueryValueEx);
    const bool valueLost =
        failing.function == RegFunction::SetValueEx || failing.function == RegFunction::CreateKey;
    if (userIdLost || valueLost) {
        EXPECT_EQ(publisher.form->PublishedStatus(), statusBefore);
        EXPECT_EQ(publisher.Preview(), previewBefore);
        EXPECT_EQ(publisher.Posts(), postsBefore);
        // Nothing is held against the text: the next tick publishes it.
        registry.ClearFaults();
        publisher.form->SetBrenvik(u"abc");
        EXPECT_EQ(publisher.settings.Status("user1"), "abc");
    }
    EXPECT_EQ(publisher.form->PublishedStatus(), u"abc");
    EXPECT_EQ(publisher.Preview(), u"Preview: abc");
    EXPECT_EQ(publisher.Posts(), postsBefore + 1);
    EXPECT_EQ(registry.OpenKeyCount(), keptByTheRegistry);
    return true;
}

TEST(PublicationFaults, ATextTheRegistryKeepsRefusingGoesOutOnceItIsTaken) {
    Publisher publisher(kScenarios[0]);
    publisher.api.registry.FailCall(RegFunction::SetValueEx, win::kErrorAccessDenied);
    for (int tick = 0; tick < 3; ++tick) publisher.form->SetBrenvik(u"abc");
    EXPECT_EQ(publisher.Posts(), 0);
    EXPECT_EQ(publisher.Preview(), u"");
    EXPECT_EQ(publisher.form->PublishedStatus(), u"");
    EXPECT_TRUE(publisher.messageBox.prompts.empty());

    publisher.api.registry.ClearFaults();
    publisher.form->SetBrenvik(u"abc");
    EXPECT_EQ(publisher.settings.Status("user1"), "abc");
    EXPECT_EQ(publisher.Posts(), 1);
    EXPECT_EQ(publisher.Preview(), u"Preview: abc");
}

// A post the messenger never got (it runs elevated, or its queue is full) announced
// nothing: the preview and LastStatus stay, and each tick publishes in full, once, until
// a post is taken.
TEST(PublicationFaults, ARefusedPostIsNoPublicationAndTheNextTickPublishesInFull) {
    Publisher publisher(kScenarios[1]);  // "old" published
    const int postsBefore = publisher.Posts();
    publisher.api.windows.RefusePosts(publisher.fixture.messenger, true);
    for (int tick = 0; tick < 3; ++tick) {
        const std::size_t writes = publisher.api.registry.CallCount(RegFunction::SetValueEx);
        publisher.form->SetBrenvik(u"new");
        EXPECT_EQ(publisher.api.registry.CallCount(RegFunction::SetValueEx), writes + 2);
        EXPECT_EQ(publisher.Preview(), u"Preview: old");
        EXPECT_EQ(publisher.form->PublishedStatus(), u"old");
    }
    EXPECT_EQ(publisher.Posts(), postsBefore);

    publisher.api.windows.RefusePosts(publisher.fixture.messenger, false);
    publisher.form->SetBrenvik(u"old");  // even the text last published goes out again
    EXPECT_EQ(publisher.settings.Status("user1"), "old");
    EXPECT_EQ(publisher.Posts(), postsBefore + 1);
    EXPECT_EQ(publisher.Preview(), u"Preview: old");
    publisher.form->SetBrenvik(u"old");
    EXPECT_EQ(publisher.Posts(), postsBefore + 1);
}

// A publication that stopped half-way, one of its two value writes refused, left the
// registry holding values never announced. The next tick finishes it whatever its text,
// the text last published included; once finished, that text goes out no more.
struct HalfWay {
    const char* name;
    std::size_t refusedWrite;  // 1: "5", 2: "5_DND"
    const char16_t* nextText;
};
constexpr HalfWay kHalfWay[] = {
    {"\"5\" refused, the title back to the text last published", 1, u"old"},
    {"\"5_DND\" refused, the title back to the text last published", 2, u"old"},
    {"\"5\" refused, the same title again", 1, u"new"},
    {"\"5_DND\" refused, the same title again", 2, u"new"},
};

TEST(PublicationFaults, APublicationStoppedHalfWayIsFinishedByTheNextTickWhateverItsText) {
    for (const HalfWay& c : kHalfWay) {
        SCOPED_TRACE(c.name);
        Publisher publisher(kScenarios[1]);  // "old" published, "invisible" checked
        publisher.fixture.Window().CheckBoxOf(Control::Check1).SetValue(0);
        const int postsBefore = publisher.Posts();
        publisher.api.registry.FailCall(RegFunction::SetValueEx, win::kErrorAccessDenied,
                                        c.refusedWrite);
        publisher.form->SetBrenvik(u"new");
        EXPECT_EQ(publisher.Posts(), postsBefore);
        EXPECT_EQ(publisher.Preview(), u"Preview: old");

        publisher.form->SetBrenvik(c.nextText);
        const std::u16string next = c.nextText;
        EXPECT_EQ(publisher.settings.Status("user1"), std::string(next.begin(), next.end()));
        EXPECT_EQ(publisher.settings.Invisible("user1"), 0u);
        EXPECT_EQ(publisher.Posts(), postsBefore + 1);
        EXPECT_EQ(publisher.Preview(), u"Preview: " + next);
        EXPECT_EQ(publisher.form->PublishedStatus(), next);

        publisher.form->SetBrenvik(c.nextText);
        EXPECT_EQ(publisher.Posts(), postsBefore + 1);
    }
}

TEST(PublicationFaults, EachFailingCallLeavesNoKeyOpenAndAnnouncesTheTextOnlyOnceWritten) {
    std::set<RegFunction> failed;
    for (const Scenario& scenario : kScenarios) {
        for (const FunctionCodes& failing : kFailures) {
            // Every occurrence of the function in turn, until the publication makes no more of
            // them.
            for (int nth = 1;; ++nth) {
                bool reached = false;
                for (LResult code : failing.codes) {
                    if (code == 0) break;
                    SCOPED_TRACE(std::string(scenario.name) + ": " + failing.name + " call " +
                                 std::to_string(nth) + " fails with " + std::to_string(code));
                    reached = FaultedPublicationEndsWell(scenario, failing, nth, code);
                    if (!reached) break;
                    failed.insert(failing.function);
                }
                if (!reached) break;
            }
        }
    }
    EXPECT_EQ(failed.size(), std::size(kFailures))
        << "a function that a publication calls was never made to fail";
}

}  // namespace
}  // namespace brenvik::testing
