// The text and number services.
#include "platform/text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

#include "platform/failure.h"

namespace brenvik::text {
namespace {

struct NumberCase {
    std::u16string_view text;
    double number;
};

constexpr NumberCase kNumbers[] = {
    {u"3", 3},       {u"", 0},      {u"   42", 42}, {u"\t7", 7},    {u"+5", 5},
    {u"-5", -5},     {u"2.5", 2.5}, {u".5", 0.5},   {u"5.", 5},     {u"-0.25", -0.25},
    {u"10 s", 10},   {u"abc", 0},   {u"s10", 0},    {u"1e9", 1},    {u"0x10", 0},
    {u"1.2.3", 1.2}, {u"- 5", 0},   {u"  ", 0},     {u"12abc", 12}, {u"007", 7},
};

TEST(NumberFromText, ReadsTheDecimalNumberTheTextBeginsWith) {
    for (const NumberCase& c : kNumbers) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(NumberFromText(c.text), c.number);
    }
}

TEST(NumberFromText, DigitsBeyondADoublesRangeGiveInfinity) {
    const std::u16string digits(5000, u'9');
    EXPECT_EQ(NumberFromText(digits), INFINITY);
    EXPECT_EQ(NumberFromText(u"-" + digits), -INFINITY);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    constexpr double kCases[][2] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {1.5, 2},
                                    {1.6, 2}, {0.4, 0}, {-1.6, -2}, {32, 32}, {2.4999, 2}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c[0]);
        EXPECT_EQ(RoundHalfEven(c[0]), c[1]);
    }
}

TEST(NumberToText, ABlankStandsInForTheSignOfANonNegativeNumber) {
    EXPECT_EQ(NumberToText(0), u" 0");
    EXPECT_EQ(NumberToText(1014), u" 1014");
    EXPECT_EQ(NumberToText(-5), u"-5");
    EXPECT_EQ(NumberToText(2147483647), u" 2147483647");
    EXPECT_EQ(NumberToText(-2147483647 - 1), u"-2147483648");
}

TEST(TrimSpaces, RemovesOnlyCode32AtBothEnds) {
    EXPECT_EQ(TrimSpaces(u"  a b  "), u"a b");
    EXPECT_EQ(TrimSpaces(u"   "), u"");
    EXPECT_EQ(TrimSpaces(u""), u"");
    EXPECT_EQ(TrimSpaces(u"\tx\t"), u"\tx\t");
    EXPECT_EQ(TrimSpaces(u" x\n"), u"x\n");
    EXPECT_EQ(TrimSpaces(std::u16string(u" a\0 ", 4)), std::u16string(u"a\0", 2));
}

// The program's error keeps its message in a buffer of its own: a name of any length
// gives a message cut at the buffer's end, never past it.
TEST(Failure, JoinsItsPartsAndCutsALongMessageAtItsBuffer) {
    EXPECT_STREQ(Failure({"The form has no ", "label", " named ", "Label9", "."}).what(),
                 "The form has no label named Label9.");
    EXPECT_STREQ(Failure({}).what(), "");
    const std::string longName(500, 'x');
    const std::string message = Failure({"named ", longName}).what();
    EXPECT_EQ(message.size(), 159u);
    EXPECT_EQ(message, "named " + std::string(153, 'x'));
}

}  // namespace
}  // namespace brenvik::text
