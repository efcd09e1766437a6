// The simulation's double-byte code page 932, where one character may take two
// bytes. (Code page 1252 is tested on both backends in ansi_codec_test.cpp.)
#include "platform/sim/iconv_codec.h"

#include <gtest/gtest.h>
#include <string>

namespace brenvik::sim {
namespace {

TEST(IconvCodec932, OneCharacterMayTakeTwoBytes) {
    const IconvCodec cp932("CP932");
    EXPECT_EQ(cp932.ToAnsi(u"a\u65E5\u672C"), "a\x93\xFA\x96\x7B");
    EXPECT_EQ(cp932.FromAnsi("a\x93\xFA\x96\x7B"), u"a\u65E5\u672C");
    EXPECT_EQ(cp932.FromAnsi("\xB1"), u"\uFF71");  // a half-width katakana takes one byte
}

}  // namespace
}  // namespace brenvik::sim
