// A registered message matches the identifier Windows gave it, and one that could not
// be registered (identifier 0) matches no message: not WM_NULL, which Windows sends to
// learn whether a window still answers.
#include "forms/win32/registered_message.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace brenvik::testing {
namespace {

TEST(RegisteredMessage, MatchesItsOwnIdentifierAloneAndNoneWhenNotRegistered) {
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    ASSERT_GE(taskbarCreated, 0xC000u);
    struct Case {
        UINT id;
        UINT message;
        bool matches;
    };
    const Case cases[] = {
        {taskbarCreated, taskbarCreated, true},
        {taskbarCreated, WM_NULL, false},
        {0, WM_NULL, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "identifier " << c.id << ", message " << c.message);
        EXPECT_EQ(win32::RegisteredMessage(c.id).Is(c.message), c.matches);
    }
}

}  // namespace
}  // namespace brenvik::testing
