// ErrorMsg: a message for every registry result code.
#include "tests/registry/reg_routine_fixture.h"

namespace brenvik::registry {
namespace {

TEST_F(RegRoutineTest, ErrorMessages) {
    struct Case {
        std::int32_t code;
        std::u16string_view message;
    };
    constexpr Case kCases[] = {
        {2, u"Bad Key Name"},
        {4, u"Can't Read Key"},
        {5, u"Access to this key is denied"},
        {8, u"Out of memory"},
        {14, u"Out of memory"},
        {87, u"Invalid Parameter"},
        {234, u"There is more data than the buffer has been allocated to hold."},
        {1009, u"The Registry Database is corrupt!"},
        {1010, u"Bad Key Name"},
        {1011, u"Can't Open Key"},
        {1012, u"Can't Read Key"},
        {1013, u"Can't Write Key"},
        {1015, u"The Registry Database is corrupt!"},
        {0, u"Undefined Error Code:   0"},
        {1014, u"Undefined Error Code:   1014"},
        {-5, u"Undefined Error Code:  -5"},
        {3, u"Undefined Error Code:   3"},
        {-2147483647 - 1, u"Undefined Error Code:  -2147483648"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.code);
        const std::int32_t code = c.code;
        EXPECT_EQ(reg_.ErrorMsg(code), c.message);
    }
    EXPECT_TRUE(api_.Calls().empty());
}

}  // namespace
}  // namespace brenvik::registry
