// The ANSI code page of the build's backend: Windows-1252 in the simulation, the
// system's code page (1252 in the test prefix) under Wine; and code page 932 on both.
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "tests/support/test_backend.h"

namespace brenvik::testing {
namespace {

class AnsiCodecTest : public ::testing::Test {
protected:
    std::unique_ptr<TestBackend> backend_ = MakeTestBackend();
    const AnsiCodec& ansi_ = backend_->Ansi();
};

TEST_F(AnsiCodecTest, EveryByteMakesOneCharacterAndComesBack) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    const std::u16string text = ansi_.FromAnsi(bytes);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(ansi_.ToAnsi(text), bytes);
}

TEST_F(AnsiCodecTest, CharactersOfCodePage1252) {
    struct Case {
        char byte;
        char16_t character;
    };
    // The bytes that Windows-1252 leaves unassigned stand for the control
    // characters of the same number.
    constexpr Case kCases[] = {{'\x00', u'\0'},     {'A', u'A'},         {'\x80', u'\u20AC'},
                               {'\x81', u'\u0081'}, {'\x8D', u'\u008D'}, {'\x8F', u'\u008F'},
                               {'\x90', u'\u0090'}, {'\x9D', u'\u009D'}, {'\x9F', u'\u0178'},
                               {'\xA0', u'\u00A0'}, {'\xE9', u'\u00E9'}, {'\xFF', u'\u00FF'}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(c.byte)));
        EXPECT_EQ(ansi_.FromAnsi(std::string(1, c.byte)), std::u16string(1, c.character));
        EXPECT_EQ(ansi_.ToAnsi(std::u16string(1, c.character)), std::string(1, c.byte));
    }
}

TEST_F(AnsiCodecTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(ansi_.ToAnsi(u"a\u4E2Db"), "a?b");
    EXPECT_EQ(ansi_.ToAnsi(u"\u0416"), "?");       // Cyrillic Zhe
    EXPECT_EQ(ansi_.ToAnsi(u"\U0001F600"), "??");  // each half of the pair
}

// On a double-byte code page (932), a title cut inside a character, or holding a lead
// byte with no trail byte after it, keeps the whole characters around the broken one.
TEST_F(AnsiCodecTest, ABrokenDoubleByteCharacterTakesNoOtherWithIt) {
    const auto cp932 = backend_->CodePage932();
    EXPECT_EQ(cp932->FromAnsi("a\x93\xFA\x96\x7B"), u"a\u65E5\u672C");
    EXPECT_TRUE(cp932->FromAnsi("a\x93\xFA\x96").starts_with(u"a\u65E5")) << "cut";
    const std::u16string stray = cp932->FromAnsi("\x93\xFA\x96 b");
    EXPECT_TRUE(stray.starts_with(u"\u65E5") && stray.ends_with(u"b")) << "a stray lead byte";
}

TEST_F(AnsiCodecTest, EmptyTextAndEmbeddedNuls) {
    EXPECT_EQ(ansi_.ToAnsi(u""), "");
    EXPECT_EQ(ansi_.FromAnsi(""), u"");
    EXPECT_EQ(ansi_.ToAnsi(std::u16string(u"a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(ansi_.FromAnsi(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

}  // namespace
}  // namespace brenvik::testing
