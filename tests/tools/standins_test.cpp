// The stand-ins, run as separate programs: the player's title can be set in every
// advertised way, and the messenger logs custom status 5 at each read command.
#include <chrono>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "app/other_programs.h"
#include "tests/support/child_process.h"  // <windows.h>

namespace {

using namespace brenvik::other_programs;
constexpr wchar_t kPlayer[] = L"" BRENVIK_PLAYER_WINDOW_CLASS;
constexpr wchar_t kMessenger[] = L"" BRENVIK_MESSENGER_WINDOW_CLASS;

std::wstring TempPath(const wchar_t* name) {
    wchar_t dir[MAX_PATH]{};
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

// Waits for `done`, giving up after a long while (a hung test, not a slow one).
bool WaitUntil(const std::function<bool()>& done) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp) return false;
        Sleep(20);
    }
    return true;
}

// One stand-in process, asked to close when the test ends (and ended if it won't).
class StandIn {
public:
    StandIn(const std::wstring& program, const std::wstring& arguments, const wchar_t* windowClass)
        : process_(program, arguments) {
        WaitUntil([&] { return (window_ = FindWindowW(windowClass, nullptr)) != nullptr; });
    }
    ~StandIn() {
        if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
        process_.HasEnded(20000);
    }
    HWND Window() const { return window_; }
    bool Exited() const { return process_.HasEnded(20000); }

private:
    brenvik::testing::ChildProcess process_;
    HWND window_ = nullptr;
};

std::string TitleOf(HWND window) {
    char buffer[260];
    std::fill(std::begin(buffer), std::end(buffer), '\x2A');
    const int length = GetWindowTextA(window, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? length : 0);
}

void WriteFile(const std::wstring& path, const std::string& content) {
    std::ofstream(path.c_str(), std::ios::binary | std::ios::trunc) << content;
}

TEST(PlayerStandIn, ShowsTheTitleFromItsCommandLine) {
    StandIn player(L"winamp_standin.exe", L"\"Artist - Song\"", kPlayer);
    ASSERT_NE(player.Window(), nullptr);
    EXPECT_EQ(TitleOf(player.Window()), "Artist - Song");
}

TEST(PlayerStandIn, CyclesThroughItsTitles) {
    StandIn player(L"winamp_standin.exe", L"--interval 20 One Two Three", kPlayer);
    ASSERT_NE(player.Window(), nullptr);
    for (const char* title : {"Two", "Three", "One", "Two"}) {
        SCOPED_TRACE(title);
        EXPECT_TRUE(WaitUntil([&] { return TitleOf(player.Window()) == title; }));
    }
}

TEST(PlayerStandIn, FollowsTheFirstLineOfItsTitleFile) {
    const std::wstring file = TempPath(L"brenvik_player_title.txt");
    WriteFile(file, "First\r\nignored");
    StandIn player(L"winamp_standin.exe", L"--title-file \"" + file + L"\"", kPlayer);
    ASSERT_NE(player.Window(), nullptr);
    EXPECT_TRUE(WaitUntil([&] { return TitleOf(player.Window()) == "First"; }));
    WriteFile(file, "Caf\xc3\xa9 - Second");  // UTF-8; read back in the ANSI code page
    EXPECT_TRUE(WaitUntil([&] {
        wchar_t title[64]{};
        GetWindowTextW(player.Window(), title, 64);
        return std::wstring(title) == L"Caf\u00e9 - Second";
    }));
    DeleteFileW(file.c_str());
}

TEST(PlayerStandIn, TakesATitleSentByAnotherProgram) {
    StandIn player(L"winamp_standin.exe", L"Before", kPlayer);
    ASSERT_NE(player.Window(), nullptr);
    SendMessageA(player.Window(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("After"));
    EXPECT_EQ(TitleOf(player.Window()), "After");
}

// The messenger's settings in the test prefix's registry, removed before and after.
class MessengerStandIn : public ::testing::Test {
protected:
    static constexpr wchar_t kPager[] = L"" BRENVIK_PAGER_SUB_KEY;
    static inline const std::wstring kProfile = CustomMessagesKey(kPager, L"standin_tester");

    void SetUp() override {
        CleanUp();
        log_ = TempPath(L"brenvik_messenger.log");
        DeleteFileW(log_.c_str());
    }
    void TearDown() override {
        CleanUp();
        DeleteFileW(log_.c_str());
    }
    static void CleanUp() {
        RegDeleteKeyW(HKEY_CURRENT_USER, kProfile.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, kProfile.substr(0, kProfile.rfind(L'\\')).c_str());
        HKEY pager = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kPager, 0, KEY_WRITE, &pager) == ERROR_SUCCESS) {
            RegDeleteValueW(pager, L"" BRENVIK_USER_ID_VALUE);
            RegCloseKey(pager);
        }
    }
    static void WriteStatus(const std::wstring& text, DWORD dnd) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kProfile.c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, L"" BRENVIK_STATUS_VALUE, 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        RegSetValueExW(key, L"" BRENVIK_INVISIBLE_VALUE, 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&dnd), sizeof dnd);
        RegCloseKey(key);
    }
    std::vector<std::string> LogLines() const {
        std::ifstream file(log_.c_str(), std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);) lines.push_back(line);
        return lines;
    }
    // "<ms>\t<5_DND>\t<5>" without its time.
    static std::string WithoutTime(const std::string& line) {
        return line.substr(line.find('\t') + 1);
    }

    std::wstring LogArgument() const { return L"--log \"" + log_ + L"\""; }
    // Asks the messenger to read status 5; true once its log has `lines` lines.
    bool Read(const StandIn& messenger, std::size_t lines) const {
        PostMessageW(messenger.Window(), WM_COMMAND, kReadStatusCommand, 0);
        return WaitUntil([&] { return LogLines().size() == lines; });
    }

    std::wstring log_;
};

TEST_F(MessengerStandIn, LogsStatusFiveOfTheCurrentUserAtEachReadCommand) {
    StandIn messenger(L"messenger_standin.exe", LogArgument() + L" --user-id standin_tester",
                      kMessenger);
    ASSERT_NE(messenger.Window(), nullptr);
    EXPECT_TRUE(LogLines().empty()) << "made empty at start";

    WriteStatus(L"Now: Caf\u00e9", 1);
    ASSERT_TRUE(Read(messenger, 1));
    EXPECT_EQ(WithoutTime(LogLines()[0]), "1\tNow: Caf\xc3\xa9");
    EXPECT_GT(std::stoull(LogLines()[0].substr(0, LogLines()[0].find('\t'))), 1600000000000ull)
        << "ms since 1970";

    // Another command is not logged.
    PostMessageW(messenger.Window(), WM_COMMAND, kReadStatusCommand + 1, 0);
    WriteStatus(L"Second", 0);
    ASSERT_TRUE(Read(messenger, 2));
    EXPECT_EQ(WithoutTime(LogLines()[1]), "0\tSecond");
}

TEST_F(MessengerStandIn, LogsValuesThatCannotBeReadAsMissingAndEndsWhenItsWindowCloses) {
    StandIn messenger(L"messenger_standin.exe", LogArgument(), kMessenger);
    ASSERT_NE(messenger.Window(), nullptr);
    ASSERT_TRUE(Read(messenger, 1));
    EXPECT_EQ(WithoutTime(LogLines()[0]), "(missing)\t(missing)");
    PostMessageW(messenger.Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(messenger.Exited());
}

}  // namespace
