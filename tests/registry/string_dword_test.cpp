// String and DWORD values: reads, writes, and the value name that comes back
// through the ANSI code page.
#include "tests/registry/reg_routine_fixture.h"

namespace brenvik::registry {
namespace {

using testing::RegistryCall;

std::string WithNul(std::string text) { return text + '\0'; }

TEST_F(RegRoutineTest, StringReads) {
    struct Case {
        const char* name;
        std::string stored;  // REG_SZ bytes as stored
        AccessorResult expected;
    };
    const Case kCases[] = {
        {"three letters with their NUL", WithNul("abc"), u"abc"},
        {"leading blanks go, and no NUL is left", WithNul("  abc"), u"abc"},
        {"trailing blanks before the NUL stay", WithNul("abc  "), u"abc  "},
        {"254 characters fit the buffer", WithNul(std::string(254, 'x')),
         std::u16string(254, u'x')},
        {"255 characters do not", WithNul(std::string(255, 'x')), kError},
        {"the text ends at its first NUL", WithNul(std::string("ab\0cd", 5)), u"ab"},
        {"no bytes at all", "", u""},
        {"a user ID stored without its NUL reads whole", "nulless1", u"nulless1"},
        {"a single letter without its NUL", "x", u"x"},
        {"code page characters", WithNul("caf\xE9 \x80"), u"caf\u00E9 \u20AC"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Put("Values", "text", win::kRegSz, c.stored);
        std::u16string entry = u"text";
        EXPECT_EQ(reg_.GetStringValue(Path(u"Values"), entry), c.expected);
        EXPECT_EQ(entry, u"text");
    }
}

TEST_F(RegRoutineTest, AStringReadOfAValueOfAnotherTypeCutsItsBytesAlike) {
    Put("Values", "dword", win::kRegDword, std::string("A\0\0\0", 4));
    Put("Values", "binary", win::kRegBinary, "xyz");
    std::u16string entry = u"dword";
    EXPECT_EQ(reg_.GetStringValue(Path(u"Values"), entry), AccessorResult{u"A"});
    entry = u"binary";
    EXPECT_EQ(reg_.GetStringValue(Path(u"Values"), entry),
              AccessorResult{u"xyz"});  // no NUL to drop
}

TEST_F(RegRoutineTest, AStringReadOfAMissingKeyOrValueIsError) {
    std::u16string entry = u"text";
    EXPECT_EQ(reg_.GetStringValue(Path(u"Values"), entry), kError);
    Put("Values", "other", win::kRegSz, WithNul("x"));
    EXPECT_EQ(reg_.GetStringValue(Path(u"Values"), entry), kError);
}

TEST_F(RegRoutineTest, StringWritesStoreTheTextWithItsNul) {
    std::u16string entry = u"5";
    EXPECT_EQ(reg_.SetStringValue(Path(u"Values"), entry, u"Now playing"), AccessorResult{});
    const Stored stored = Read("Values", "5");
    EXPECT_EQ(stored.code, win::kErrorSuccess);
    EXPECT_EQ(stored.type, win::kRegSz);
    EXPECT_EQ(stored.bytes, WithNul("Now playing"));
    EXPECT_EQ(reg_.GetStringValue(Path(u"Values"), entry), AccessorResult{u"Now playing"});
}

TEST_F(RegRoutineTest, AnEmptyTextIsStoredWithNoBytesAndReadsAsEmpty) {
    std::u16string entry = u"5";
    reg_.SetStringValue(Path(u"Values"), entry, u"");
    const Stored stored = Read("Values", "5");
    EXPECT_EQ(stored.type, win::kRegSz);
    EXPECT_EQ(stored.bytes, "");
    EXPECT_EQ(reg_.GetStringValue(Path(u"Values"), entry), AccessorResult{u""});
}

TEST_F(RegRoutineTest, WritesCreateTheWholePathOnlyWhenItIsMissing) {
    std::u16string entry = u"Text";
    reg_.SetStringValue(Path(u"New\\Deep\\Er"), entry, u"x");
    EXPECT_EQ(Read("New\\Deep\\Er", "Text").bytes, WithNul("x"));
    ASSERT_EQ(api_.Calls().size(), 4u);
    EXPECT_EQ(api_.Calls()[1].function, "RegCreateKeyA");

    api_.ClearCalls();
    entry = u"Flag";
    reg_.SetDWORDValue(Path(u"New\\Deep\\Er"), entry, 1);
    ASSERT_EQ(api_.Calls().size(), 3u);  // open, set, close
    EXPECT_EQ(api_.Calls()[1].function, "RegSetValueExA");
    EXPECT_EQ(Read("New\\Deep\\Er", "Flag").bytes, std::string("\1\0\0\0", 4));

    reg_.SetDWORDValue(Path(u"Parent\\Child"), entry, 0);
    EXPECT_TRUE(KeyExists("Parent\\Child"));
}

TEST_F(RegRoutineTest, AWriteWhereNoKeyCanBeOpenedOrCreatedWritesNothing) {
    std::u16string entry = u"v";
    // A sub-key may not begin with a separator: neither the open nor the create succeeds.
    reg_.SetStringValue(u"HKEY_CURRENT_USER\\\\Software\\BrenvikTest\\RegRoutine\\Values", entry,
                        u"x");
    reg_.SetDWORDValue(u"HKEY_CURRENT_USER\\\\Software\\BrenvikTest\\RegRoutine\\Values", entry, 1);
    ASSERT_EQ(api_.Calls().size(), 4u);
    for (const RegistryCall& call : api_.Calls()) EXPECT_NE(call.function, "RegSetValueExA");
    EXPECT_FALSE(KeyExists("Values"));
}

TEST_F(RegRoutineTest, DwordWritesStoreFourLittleEndianBytes) {
    constexpr std::int32_t kValues[] = {2, -1, 0x12345678, 0, -2147483647 - 1, 2147483647};
    for (std::int32_t value : kValues) {
        SCOPED_TRACE(value);
        std::u16string entry = u"n";
        reg_.SetDWORDValue(Path(u"Values"), entry, value);
        const Stored stored = Read("Values", "n");
        EXPECT_EQ(stored.type, win::kRegDword);
        const auto bits = static_cast<std::uint32_t>(value);
        EXPECT_EQ(stored.bytes,
                  std::string({static_cast<char>(bits), static_cast<char>(bits >> 8),
                               static_cast<char>(bits >> 16), static_cast<char>(bits >> 24)}));
        EXPECT_EQ(reg_.GetDWORDValue(Path(u"Values"), entry), AccessorResult{value});
    }
}

TEST_F(RegRoutineTest, DwordReads) {
    Put("Values", "all ones", win::kRegDword, "\xFF\xFF\xFF\xFF");
    Put("Values", "sign bit alone", win::kRegDword, std::string("\0\0\0\x80", 4));
    Put("Values", "binary four", win::kRegBinary, "\x01\x02\x03\x04");
    Put("Values", "five bytes", win::kRegBinary, "\x01\x02\x03\x04\x05");
    std::u16string entry = u"all ones";
    EXPECT_EQ(reg_.GetDWORDValue(Path(u"Values"), entry), AccessorResult{-1});
    entry = u"sign bit alone";
    EXPECT_EQ(reg_.GetDWORDValue(Path(u"Values"), entry), AccessorResult{-2147483647 - 1});
    entry = u"binary four";
    EXPECT_EQ(reg_.GetDWORDValue(Path(u"Values"), entry), AccessorResult{0x04030201});
    entry = u"five bytes";
    EXPECT_EQ(reg_.GetDWORDValue(Path(u"Values"), entry), kError);
    entry = u"missing";
    EXPECT_EQ(reg_.GetDWORDValue(Path(u"Values"), entry), kError);
    EXPECT_EQ(reg_.GetDWORDValue(Path(u"New"), entry), kError);
}

TEST_F(RegRoutineTest, AShortDwordFillsOnlyTheLowBytesOfWhatTheLastReadLeft) {
    Put("Values", "one byte", win::kRegBinary, "\x05");
    Put("Values", "full", win::kRegDword, "\x44\x33\x22\x11");
    std::u16string entry = u"one byte";
    EXPECT_EQ(reg_.GetDWORDValue(Path(u"Values"), entry),
              AccessorResult{5});  // a new object holds 0

    entry = u"full";
    EXPECT_EQ(reg_.GetDWORDValue(Path(u"Values"), entry), AccessorResult{0x11223344});
    entry = u"one byte";
    EXPECT_EQ(reg_.GetDWORDValue(Path(u"Values"), entry), AccessorResult{0x11223305});
}

TEST_F(RegRoutineTest, TheValueNameComesBackThroughTheCodePage) {
    std::u16string entry = u"caf\u00E9";
    reg_.SetStringValue(Path(u"Values"), entry, u"1");
    EXPECT_EQ(entry, u"caf\u00E9");
    entry = u"x\u4E2D";  // not in the code page
    reg_.SetStringValue(Path(u"Values"), entry, u"2");
    EXPECT_EQ(entry, u"x?");
    EXPECT_EQ(Read("Values", "x?").bytes, WithNul("2"));
    entry = u"x\u4E2D";
    EXPECT_EQ(reg_.GetDWORDValue(Path(u"Values"), entry),
              AccessorResult{static_cast<std::int32_t>(0x32)});
    EXPECT_EQ(entry, u"x?");

    // No value call, no change: the key can't be opened.
    entry = u"x\u4E2D";
    EXPECT_EQ(reg_.GetStringValue(Path(u"New"), entry), kError);
    EXPECT_EQ(entry, u"x\u4E2D");
}

TEST_F(RegRoutineTest, TheDefaultValueHasTheEmptyName) {
    std::u16string entry;
    reg_.SetStringValue(Path(u"Values"), entry, u"default");
    EXPECT_EQ(Read("Values", nullptr).bytes, WithNul("default"));
    EXPECT_EQ(reg_.GetStringValue(Path(u"Values"), entry), AccessorResult{u"default"});
}

}  // namespace
}  // namespace brenvik::registry
