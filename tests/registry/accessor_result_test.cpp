// The accessor result taken as a text or as a number.
#include "registry/accessor_result.h"

#include <gtest/gtest.h>

namespace brenvik::registry {
namespace {

TEST(AccessorResult, TakenAsAText) {
    EXPECT_EQ(AsText(AccessorResult{}), u"");
    EXPECT_EQ(AsText(AccessorResult{u"Error"}), u"Error");
    EXPECT_EQ(AsText(AccessorResult{42}), u"42");
    EXPECT_EQ(AsText(AccessorResult{0}), u"0");
    EXPECT_EQ(AsText(AccessorResult{-1}), u"-1");
    EXPECT_EQ(AsText(AccessorResult{-2147483647 - 1}), u"-2147483648");
}

TEST(AccessorResult, TakenAsANumber) {
    struct Case {
        AccessorResult result;
        std::int32_t number;
    };
    const Case kCases[] = {
        {AccessorResult{}, 0},
        {AccessorResult{7}, 7},
        {AccessorResult{-1}, -1},
        {AccessorResult{u"12"}, 12},
        {AccessorResult{u" 2.5x"}, 2},
        {AccessorResult{u"Error"}, 0},
        {AccessorResult{u"-3.5"}, -4},
        {AccessorResult{u"2147483647"}, 2147483647},
        {AccessorResult{u"2147483648"}, 0},
        {AccessorResult{u"-2147483648"}, -2147483647 - 1},
        {AccessorResult{u"-2147483649"}, 0},
        {AccessorResult{-2147483647 - 1}, -2147483647 - 1},
        {AccessorResult{std::u16string(400, u'9')}, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(::testing::PrintToString(c.result));
        EXPECT_EQ(AsNumber(c.result), c.number);
    }
}

}  // namespace
}  // namespace brenvik::registry
