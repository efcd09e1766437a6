// The window functions as the program calls them, against the simulation on Linux and
// against Wine's windows on Windows.
#include <gtest/gtest.h>
#include <memory>

#include "app/other_programs.h"
#include "tests/support/test_backend.h"

namespace brenvik::testing {
namespace {

// A messenger that closed between the search and the post hears nothing, and the
// program must be told so: the publication is still owed.
TEST(MessengerWindowApi, APostReachesALiveWindowAndIsRefusedOnceTheWindowIsDestroyed) {
    const std::unique_ptr<TestBackend> backend = MakeTestBackend();
    MessengerWindowApi& windows = backend->MessengerWindows();
    const Handle window = backend->CreateWindowOfClass("BrenvikPostTarget", "");
    ASSERT_NE(window, 0u);
    EXPECT_TRUE(
        windows.PostMessageA(window, win::kWmCommand, other_programs::kReadStatusCommand, 0));
    const std::vector<ReceivedMessage> received = backend->Received(window);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].wParam, other_programs::kReadStatusCommand);

    backend->DestroyWindow(window);
    EXPECT_EQ(windows.FindWindowA("BrenvikPostTarget", nullptr), 0u);
    EXPECT_FALSE(
        windows.PostMessageA(window, win::kWmCommand, other_programs::kReadStatusCommand, 0));
}

}  // namespace
}  // namespace brenvik::testing
