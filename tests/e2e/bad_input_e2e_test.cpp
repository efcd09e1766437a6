// Brenvik.exe given what it should never choke on: intervals that aren't plain
// seconds, titles at and past the buffer's length, characters the code page lacks, a
// registry that refuses the publication, a user ID stored without its NUL. Each gets
// a defined answer, and nothing is written outside the profile key.
#include <vector>

#include "tests/e2e/brenvik_exe_fixture.h"

namespace brenvik::e2e {
namespace {

// The title as the program reads it: in the ANSI code page, at most 259 bytes,
// back in UTF-8 as the messenger logs it.
std::string AsCaptured(const std::wstring& title) {
    char ansi[260] = "";
    WideCharToMultiByte(CP_ACP, 0, title.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
    ansi[259] = '\0';
    wchar_t wide[260] = L"";
    MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide, 260);
    char utf8[1024] = "";
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

// The messenger's settings key, and its maker's key above it.
const std::wstring kPager = L"" BRENVIK_PAGER_SUB_KEY;
const std::wstring kMaker = kPager.substr(0, kPager.rfind(L'\\'));

// Every key under `key`, as paths below it.
void ListKeys(HKEY key, const std::wstring& path, std::vector<std::wstring>& keys) {
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        const std::wstring child = path + L"\\" + name;
        keys.push_back(child);
        HKEY opened;
        if (RegOpenKeyExW(key, name, 0, KEY_READ, &opened) == ERROR_SUCCESS) {
            ListKeys(opened, child, keys);
            RegCloseKey(opened);
        }
    }
}

std::vector<std::wstring> KeysUnderMaker() {
    std::vector<std::wstring> keys;
    HKEY maker;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kMaker.c_str(), 0, KEY_READ, &maker) != ERROR_SUCCESS)
        return keys;
    ListKeys(maker, L"", keys);
    RegCloseKey(maker);
    return keys;
}

// The keys that publishing for one user leaves under the maker's key: the user's
// custom messages key and each key above it.
std::vector<std::wstring> ProfileKeys(const std::wstring& user) {
    std::vector<std::wstring> keys;
    for (std::wstring key = CustomMessagesKey(kPager.c_str(), user); key.size() > kMaker.size();
         key.resize(key.rfind(L'\\')))
        keys.insert(keys.begin(), key.substr(kMaker.size()));
    return keys;
}

TEST_F(BrenvikExe,
       TitlesAtAndPastTheBufferAndOutsideTheCodePageAreCapturedAsTheirFirst259AnsiBytes) {
    const std::wstring titles[] = {
        std::wstring(259, L'a'),
        std::wstring(259, L'b') + L"c",
        std::wstring(1000, L'd'),
        L"\u041F\u0440\u0438\u0432\u0435\u0442 \u65E5\u672C \U0001F3B5 caf\u00E9",
    };
    StartPlayer(L"start");
    StartRefreshing(L"1");
    ASSERT_TRUE(WaitForPublications(1));
    std::size_t published = 1;
    for (const auto& title : titles) {
        SCOPED_TRACE(title.size());
        SetTitle(title);
        ASSERT_TRUE(WaitForPublications(++published));
        EXPECT_EQ(Published().back().status, AsCaptured(title));
    }
    EXPECT_EQ(KeysUnderMaker(), ProfileKeys(L"e2euser"));
}

TEST_F(BrenvikExe, APublicationTheRegistryRefusesShowsNoPreviewAndGoesOutOnceItIsTaken) {
    // Below a volatile profile key the registry refuses a lasting "Custom Msgs" key.
    const std::wstring messages = CustomMessagesKey(kPager.c_str(), L"e2euser");
    const std::wstring user = messages.substr(0, messages.rfind(L'\\'));
    const std::wstring profiles = user.substr(0, user.rfind(L'\\'));  // made volatile too
    HKEY profile = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, user.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_WRITE, nullptr, &profile, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(profile);
    StartPlayer(L"Song");
    BrenvikWindow window = StartRefreshing(L"1");
    EXPECT_EQ(PublicationsAfterAWhile(), 0u);
    EXPECT_EQ(window.Text(Control::Label4), L"");

    // The registry takes it now: the same title goes out, unchanged, with its preview.
    ASSERT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, profiles.c_str()), ERROR_SUCCESS);
    ASSERT_TRUE(WaitForPublications(1));
    EXPECT_EQ(Published()[0].status, "Song");
    EXPECT_TRUE(WaitFor([&] { return window.Text(Control::Label4) == L"Preview: Song"; }));
    EXPECT_EQ(KeysUnderMaker(), ProfileKeys(L"e2euser"));
}

TEST_F(BrenvikExe, AUserIdStoredWithoutItsNulPublishesToThatWholeProfileAndCreatesNoOther) {
    HKEY pager = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, BRENVIK_PAGER_SUB_KEY, 0, KEY_WRITE, &pager),
              ERROR_SUCCESS);
    // Eight bytes and no NUL: a byte other than NUL follows them, so the registry adds none.
    constexpr char kUserId[] = "nulless1!";
    ASSERT_EQ(RegSetValueExA(pager, BRENVIK_USER_ID_VALUE, 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(kUserId), 8),
              ERROR_SUCCESS);
    RegCloseKey(pager);
    StartPlayer(L"Song");
    StartBrenvik();
    ASSERT_TRUE(WaitForPublications(1));
    EXPECT_EQ(Published()[0].status, "Song");  // read by the messenger from the profile "nulless1"
    EXPECT_EQ(KeysUnderMaker(), ProfileKeys(L"nulless1"));
}

// How long after a publication the next one comes, with the title changed at once.
struct IntervalCase {
    const wchar_t* text;
    DWORD atLeast, atMost;  // milliseconds; atMost 0: no second tick in sight
};
constexpr IntervalCase kIntervals[] = {
    {L"1e9", 700, 1900},            // the exponent ends the number: 1 second
    {L"-7", 2500, 4000},            // below 1: the 3-second default
    {L"0x10", 2500, 4000},          // the "x" ends the number 0: the default
    {L"\u0661\u0662", 2500, 4000},  // Arabic-Indic digits are no number here: the default
};

TEST_F(BrenvikExe, IntervalsThatArentPlainSecondsTakeTheNumberTheyBeginWithOrTheDefault) {
    StartPlayer(L"Song 0");
    BrenvikWindow window = StartBrenvik();
    int song = 0;
    for (const auto& c : kIntervals) {
        SCOPED_TRACE(c.text);
        window.Type(Control::Text2, c.text);
        SetTitle(L"Song " + std::to_wstring(++song));
        const std::size_t before = Published().size();
        window.Click(Control::Command1);  // Start: publishes at once
        ASSERT_TRUE(WaitForPublications(before + 1));
        SetTitle(L"Song " + std::to_wstring(++song));
        ASSERT_TRUE(WaitForPublications(before + 2));
        const auto published = Published();
        const std::uint64_t gap =
            published[before + 1].milliseconds - published[before].milliseconds;
        EXPECT_GE(gap, c.atLeast);
        EXPECT_LE(gap, c.atMost);
        window.Click(Control::Command1);  // Stop
        ASSERT_TRUE(WaitFor([&] { return window.Text(Control::Command1) == L"Start"; }));
    }

    // 5,000 digits: the longest interval, about 25 days; the program goes on answering.
    window.Type(Control::Text2, std::wstring(5000, L'9'));
    SetTitle(L"Song " + std::to_wstring(++song));
    const std::size_t before = Published().size();
    window.Click(Control::Command1);
    ASSERT_TRUE(WaitForPublications(before + 1));
    SetTitle(L"Song " + std::to_wstring(++song));
    EXPECT_EQ(PublicationsAfterAWhile(4000), before + 1);
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutW(window.Handle(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer),
              0);
}

}  // namespace
}  // namespace brenvik::e2e
