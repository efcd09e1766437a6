// One Brenvik per user session, with the real program: whatever holds the name
// Local\Brenvik and whatever window answers to Brenvik's class and caption, every start
// ends with one Brenvik that answers, and a start that can't reach it says so.
#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "tests/e2e/brenvik_exe_fixture.h"
#include "tests/e2e/stand_in_form.h"

namespace brenvik::e2e {
namespace {

constexpr wchar_t kGuardName[] = L"Local\\Brenvik";

HANDLE Mutex() { return CreateMutexW(nullptr, FALSE, kGuardName); }
// A mutex whose access list lets nobody else open it, as an elevated Brenvik's is to a
// start that is not elevated.
HANDLE MutexOutOfReach() {
    static ACL nobody;
    InitializeAcl(&nobody, sizeof nobody, ACL_REVISION);
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, &nobody, FALSE);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};
    return CreateMutexW(&attributes, FALSE, kGuardName);
}

// The message box a start shows when the Brenvik that holds the name doesn't answer,
// or null.
HWND NoAnswerBox(DWORD process) {
    HWND box = nullptr;
    while ((box = FindWindowExW(nullptr, box, L"#32770", L"Brenvik")) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(box, &owner);
        if (owner == process && IsWindowVisible(box)) return box;
    }
    return nullptr;
}

enum class Outcome {
    Runs,          // its window shows and it publishes the playing title once
    Forwards,      // it asks the running window forward, publishes nothing, ends with 0
    SaysNoAnswer,  // it tells the user that Brenvik runs but doesn't answer, ends with 1
};

// What holds the name when Brenvik starts, which window stands in for a running
// Brenvik, and whether the name is let go of after a moment: as a closing Brenvik lets
// go of it after its window has stopped reading.
struct GuardCase {
    const char* name;
    HANDLE (*hold)();
    std::optional<StandInForm::Kind> standIn;
    bool letGoAfterAMoment;
    Outcome outcome;
    bool hungWindowAhead = false;  // a hung one comes before the stand-in in the window list
};
// Its name, in place of the bytes GoogleTest would print (pointers, which move from run
// to run).
void PrintTo(const GuardCase& c, std::ostream* out) { *out << c.name; }
using Kind = StandInForm::Kind;
const GuardCase kGuardCases[] = {
    {"MutexLetGoAfterAMoment", Mutex, std::nullopt, true, Outcome::Runs},
    {"MutexHeldThroughout", Mutex, std::nullopt, false, Outcome::SaysNoAnswer},
    // Another kind of object can't be taken at all: it keeps no Brenvik from running.
    {"Event", [] { return CreateEventW(nullptr, TRUE, FALSE, kGuardName); }, std::nullopt, false,
     Outcome::Runs},
    {"Semaphore", [] { return CreateSemaphoreW(nullptr, 0, 1, kGuardName); }, std::nullopt, false,
     Outcome::Runs},
    {"HungWindowThenNameLetGo", Mutex, Kind::NeverAnswers, true, Outcome::Runs},
    {"HungWindowAndNameHeld", Mutex, Kind::NeverAnswers, false, Outcome::SaysNoAnswer},
    {"NameOutOfReachAndAHungWindowAhead", MutexOutOfReach, Kind::Answers, false, Outcome::Forwards,
     true},
    {"NameOutOfReachAndHungWindow", MutexOutOfReach, Kind::NeverAnswers, false,
     Outcome::SaysNoAnswer},
};

class NameHeldAtStart : public BrenvikExe, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(NameHeldAtStart, EndsWithOneBrenvikThatAnswersOrSaysItCant) {
    const GuardCase& c = GetParam();
    StartPlayer(L"Song");
    std::unique_ptr<void, decltype(&CloseHandle)> held(c.hold(), &CloseHandle);
    const DWORD error = GetLastError();
    ASSERT_NE(held.get(), nullptr);
    ASSERT_NE(error, static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << "another program holds it";
    std::optional<StandInForm> standIn;
    if (c.standIn) standIn.emplace(*c.standIn);
    std::optional<StandInForm> hung;
    if (c.hungWindowAhead) {
        hung.emplace(Kind::NeverAnswers);
        ASSERT_EQ(BrenvikWindow::Find(), hung->Window()) << "the hung window comes first";
    }
    brenvik_ = std::make_unique<testing::ChildProcess>(L"Brenvik.exe", L"");
    if (c.letGoAfterAMoment) {
        Sleep(1500);
        EXPECT_EQ(BrenvikWindow::ShownOf(brenvik_->Id()), nullptr)
            << "Brenvik ran while the name was held";
        held.reset();
    }
    switch (c.outcome) {
        case Outcome::Runs:
            EXPECT_TRUE(WaitFor([&] { return BrenvikWindow::ShownOf(brenvik_->Id()) != nullptr; }))
                << "Brenvik's window did not show";
            ASSERT_TRUE(WaitForPublications(1));
            EXPECT_EQ(Published()[0].status, "Song");
            EXPECT_EQ(PublicationsAfterAWhile(1000), 1u);
            break;
        case Outcome::Forwards:
            ASSERT_TRUE(brenvik_->HasEnded(10000)) << "the start still runs";
            EXPECT_EQ(brenvik_->ExitCode(), 0u);
            EXPECT_GE(standIn->Asked(), 1) << "the running window was not asked forward";
            EXPECT_EQ(Published().size(), 0u);
            break;
        case Outcome::SaysNoAnswer: {
            HWND box = nullptr;
            ASSERT_TRUE(
                WaitFor([&] { return (box = NoAnswerBox(brenvik_->Id())) != nullptr; }, 10000))
                << "no message box within the wait";
            wchar_t said[256] = L"";
            GetDlgItemTextW(box, 0xFFFF, said, 256);  // a message box's text
            EXPECT_NE(std::wstring(said).find(L"Brenvik sudah berjalan, tetapi tidak menjawab"),
                      std::wstring::npos)
                << "said: " << std::string(said, said + wcslen(said));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            ASSERT_TRUE(brenvik_->HasEnded(5000)) << "the start still runs after the box";
            EXPECT_EQ(brenvik_->ExitCode(), 1u);
            EXPECT_EQ(BrenvikWindow::ShownOf(brenvik_->Id()), nullptr);
            EXPECT_EQ(Published().size(), 0u);
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BrenvikExe, NameHeldAtStart, ::testing::ValuesIn(kGuardCases),
                         [](const auto& info) { return std::string(info.param.name); });

// "Tutup Aplikasi" and a new start at once, as a user who closes Brenvik and starts it
// again: the closing window answers no one, so the new start waits for the name and
// runs, and publishes the playing title as every start does.
TEST_F(BrenvikExe, ClosedAndStartedAgainAtOnceRunsAgainAndPublishes) {
    StartPlayer(L"Song");
    BrenvikWindow window = StartBrenvik();
    ASSERT_TRUE(WaitForPublications(1));
    int tried = 0, lost = 0;
    for (const DWORD delay : {0, 0, 50, 100, 200}) {
        SCOPED_TRACE(::testing::Message() << "started again after " << delay << " ms");
        const std::size_t published = Published().size();
        window.Click(Control::Command2);
        Sleep(delay);
        auto next = std::make_unique<testing::ChildProcess>(L"Brenvik.exe", L"");
        ++tried;
        EXPECT_TRUE(brenvik_->HasEnded(10000)) << "the closed Brenvik still runs";
        HWND shown = nullptr;
        const bool ran = WaitFor([&] { return (shown = BrenvikWindow::ShownOf(next->Id())); }) &&
                         WaitForPublications(published + 1);
        if (!ran) ++lost;
        EXPECT_TRUE(ran) << "the start was lost; it " << (next->HasEnded() ? "ended" : "runs");
        brenvik_ = std::move(next);
        if (!ran) break;
        window = BrenvikWindow(shown);
    }
    std::printf("Closed and started again at once: %d restarts tried, %d lost\n", tried, lost);
}

}  // namespace
}  // namespace brenvik::e2e
