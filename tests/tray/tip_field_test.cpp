// The tip field: the text, one NUL, then spaces to 64 bytes; cut so that the NUL
// always fits, never inside a character.
#include <gtest/gtest.h>
#include <string>

#include "tests/tray/test_codec.h"
#include "tray/notify_icon_data.h"

namespace brenvik::testing {
namespace {

std::string FieldOf(std::u16string_view tip) {
    const auto field = MakeTipField(DoubleByteEncoder(), tip);
    return std::string(field.begin(), field.end());
}

std::string Padded(const std::string& ansi) {
    return ansi + '\0' + std::string(63 - ansi.size(), ' ');
}

constexpr char16_t kA = u'\u3042';  // two bytes in the test code page: 0x82 0x42

std::string Kana(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += "\x82\x42";
    return bytes;
}

struct TipCase {
    const char* name;
    std::u16string tip;
    std::string field;
};

TEST(TipField, KeepsItsNulWhateverTheTip) {
    const TipCase cases[] = {
        {"empty", u"", Padded("")},
        {"short", u"abc", Padded("abc")},
        {"62 characters", std::u16string(62, u'x'), Padded(std::string(62, 'x'))},
        {"63 characters fill the field", std::u16string(63, u'x'), std::string(63, 'x') + '\0'},
        {"64 characters are cut to 63", std::u16string(64, u'x'), std::string(63, 'x') + '\0'},
        {"200 characters are cut to 63", std::u16string(200, u'x'), std::string(63, 'x') + '\0'},
        {"31 double-byte characters take 62 bytes", std::u16string(31, kA), Padded(Kana(31))},
        {"a letter and 31 double-byte characters fill the field", u'a' + std::u16string(31, kA),
         "a" + Kana(31) + '\0'},
        {"32 double-byte characters are cut to 31", std::u16string(32, kA), Padded(Kana(31))},
        {"40 double-byte characters are cut to 31", std::u16string(40, kA), Padded(Kana(31))},
        {"never half a character", u"ab" + std::u16string(31, kA), Padded("ab" + Kana(30))},
        {"never half a surrogate pair after double-byte characters",
         std::u16string(31, kA) + u"\U0001F600", Padded(Kana(31))},
        {"63 units ending in a lone high surrogate keep it as the code page gives it",
         std::u16string(62, u'x') + u'\xD83D', std::string(62, 'x') + "?" + '\0'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string field = FieldOf(c.tip);
        ASSERT_EQ(field.size(), 64u);
        EXPECT_EQ(field, c.field);
        EXPECT_NE(field.find('\0'), std::string::npos);
    }
}

TEST(TipField, ACutNeverSplitsASurrogatePair) {
    // 62 letters, then a character outside the basic plane across the 63rd and 64th units.
    std::u16string tip(62, u'x');
    tip += u"\U0001F600";
    EXPECT_EQ(FieldOf(tip), Padded(std::string(62, 'x')));
}

TEST(TipField, AShortTipEndingInHalfAPairIsKeptAsTheCodePageGivesIt) {
    EXPECT_EQ(FieldOf(u"ab\xD83D"), Padded("ab?"));
}

}  // namespace
}  // namespace brenvik::testing
