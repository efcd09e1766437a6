// ErrorMsg: a message for every registry result code, without a registry call.
#include <set>

#include "tests/registry/reg_routine_fixture.h"

namespace brenvik::registry {
namespace {

constexpr std::u16string_view kUnknown = u"Undefined Error Code:  ";

TEST_F(RegRoutineTest, EachKnownCodeHasAMessageOfItsOwn) {
    // Codes of one meaning share a message: 8 and 14 (no memory), 2 and 1010 (a bad
    // name), 4 and 1012 (a failed read), 1009 and 1015 (a damaged registry).
    constexpr std::int32_t kDistinct[] = {2, 4, 5, 8, 87, 234, 1009, 1011, 1013};
    std::set<std::u16string> messages;
    for (const std::int32_t code : kDistinct) {
        SCOPED_TRACE(code);
        const std::u16string message = reg_.ErrorMsg(code);
        EXPECT_FALSE(message.empty());
        EXPECT_NE(message.substr(0, kUnknown.size()), kUnknown);
        EXPECT_TRUE(messages.insert(message).second) << "shared with another code";
    }
    const std::pair<std::int32_t, std::int32_t> kSameMeaning[] = {
        {8, 14}, {2, 1010}, {4, 1012}, {1009, 1015}};
    for (const auto& [code, alike] : kSameMeaning) {
        SCOPED_TRACE(alike);
        EXPECT_EQ(reg_.ErrorMsg(alike), reg_.ErrorMsg(code));
    }
    EXPECT_EQ(reg_.ErrorMsg(234),
              u"There is more data than the buffer has been allocated to hold.");
    EXPECT_TRUE(api_.Calls().empty());
}

TEST_F(RegRoutineTest, AnUnknownCodeIsNamedAfterTheLiteralWithItsSignPlace) {
    // A blank where a non-negative number's sign would be.
    EXPECT_EQ(reg_.ErrorMsg(0), u"Undefined Error Code:   0");
    EXPECT_EQ(reg_.ErrorMsg(3), u"Undefined Error Code:   3");
    EXPECT_EQ(reg_.ErrorMsg(1014), u"Undefined Error Code:   1014");
    EXPECT_EQ(reg_.ErrorMsg(-5), u"Undefined Error Code:  -5");
    EXPECT_EQ(reg_.ErrorMsg(-2147483647 - 1), u"Undefined Error Code:  -2147483648");
    EXPECT_TRUE(api_.Calls().empty());
}

}  // namespace
}  // namespace brenvik::registry
