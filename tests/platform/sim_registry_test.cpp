// What only the simulated registry offers: its record of effects, its counts, a
// look inside, and injected faults. How it answers calls is tested, on both
// backends, in registry_api_test.cpp.
#include <gtest/gtest.h>
#include <string>

#include "platform/sim/sim_win_api.h"
#include "tests/support/caller.h"

namespace brenvik::sim {
namespace {

class SimRegistryTest : public ::testing::Test {
protected:
    SimWinApi api_;
    SimRegistry& registry_ = api_.registry;

    Handle Create(const char* subKey, testing::Caller caller = testing::Caller::current()) {
        const auto trace = testing::TraceCaller(caller);
        Handle handle = 0;
        EXPECT_EQ(registry_.RegCreateKeyA(win::kHkeyCurrentUser, subKey, &handle),
                  win::kErrorSuccess);
        return handle;
    }
};

TEST_F(SimRegistryTest, RecordsEachWriteWithTheKeysFullPathInItsStoredSpelling) {
    const Handle profile = Create("Software\\Vendor\\app\\profiles\\user1\\Settings");
    ASSERT_EQ(registry_.RegCloseKey(profile), win::kErrorSuccess);
    const Handle again =
        Create("software\\vendor\\APP\\profiles\\USER1\\settings");  // opens, writes nothing
    const std::uint8_t text[] = "hello";
    ASSERT_EQ(registry_.RegSetValueExA(again, "5", 0, win::kRegSz, text, 5), win::kErrorSuccess);
    ASSERT_EQ(registry_.RegSetValueExA(again, "", 0, win::kRegSz, text, 5), win::kErrorSuccess);
    ASSERT_EQ(registry_.RegCloseKey(again), win::kErrorSuccess);
    ASSERT_EQ(registry_.RegDeleteKeyA(win::kHkeyCurrentUser,
                                      "SOFTWARE\\Vendor\\app\\profiles\\user1\\settings"),
              win::kErrorSuccess);

    const std::string path = "HKEY_CURRENT_USER\\Software\\Vendor\\app\\profiles\\user1\\Settings";
    EXPECT_EQ(api_.effects.Entries(),
              (std::vector<std::string>{"RegCreateKeyA " + path, "RegSetValueExA " + path + " 5",
                                        "RegSetValueExA " + path + " ", "RegDeleteKeyA " + path}));
}

TEST_F(SimRegistryTest, AValueKeepsTheSpellingOfItsFirstWrite) {
    const Handle key = Create("K");
    const std::uint8_t one = 1;
    ASSERT_EQ(registry_.RegSetValueExA(key, "Name", 0, win::kRegBinary, &one, 1),
              win::kErrorSuccess);
    ASSERT_EQ(registry_.RegSetValueExA(key, "NAME", 0, win::kRegBinary, &one, 1),
              win::kErrorSuccess);
    EXPECT_EQ(api_.effects.Entries().back(), "RegSetValueExA HKEY_CURRENT_USER\\K Name");
    EXPECT_EQ(registry_.RegCloseKey(key), win::kErrorSuccess);
}

TEST_F(SimRegistryTest, FailedCallsRecordNothing) {
    Handle handle = 0;
    EXPECT_EQ(registry_.RegOpenKeyExA(win::kHkeyCurrentUser, "Missing", 0, win::kKeyRead, &handle),
              win::kErrorFileNotFound);
    EXPECT_EQ(registry_.RegDeleteKeyA(win::kHkeyCurrentUser, "Missing"), win::kErrorFileNotFound);
    const std::uint8_t one = 1;
    EXPECT_EQ(registry_.RegSetValueExA(0x1234, "v", 0, win::kRegBinary, &one, 1),
              win::kErrorInvalidHandle);
    EXPECT_TRUE(api_.effects.Entries().empty());
}

TEST_F(SimRegistryTest, LooksInsideByFullPath) {
    const Handle key = Create("Software\\Test");
    const std::uint8_t data[] = {1, 2, 3};
    ASSERT_EQ(registry_.RegSetValueExA(key, "Bytes", 0, win::kRegBinary, data, 3),
              win::kErrorSuccess);
    EXPECT_TRUE(registry_.KeyExists("HKEY_CURRENT_USER\\Software\\Test"));
    EXPECT_TRUE(registry_.KeyExists("hkey_current_user\\software\\test"));
    EXPECT_TRUE(registry_.KeyExists("HKEY_CURRENT_USER"));
    EXPECT_FALSE(registry_.KeyExists("HKEY_LOCAL_MACHINE\\Software\\Test"));
    EXPECT_FALSE(registry_.KeyExists("HKEY_NOWHERE"));

    const auto value = registry_.FindValue("HKEY_CURRENT_USER\\Software\\Test", "bytes");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, win::kRegBinary);
    EXPECT_EQ(value->data, (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_FALSE(registry_.FindValue("HKEY_CURRENT_USER\\Software\\Test", "Other").has_value());
    EXPECT_FALSE(registry_.FindValue("HKEY_CURRENT_USER\\Software\\None", "Bytes").has_value());
    EXPECT_EQ(registry_.RegCloseKey(key), win::kErrorSuccess);
}

TEST_F(SimRegistryTest, CountsOpenKeysAndCalls) {
    EXPECT_EQ(registry_.CallCount(), 0u);
    const Handle first = Create("A");
    Handle second = 0;
    ASSERT_EQ(registry_.RegOpenKeyExA(win::kHkeyCurrentUser, "A", 0, win::kKeyRead, &second),
              win::kErrorSuccess);
    EXPECT_EQ(registry_.OpenKeyCount(), 2u);
    EXPECT_EQ(registry_.RegCloseKey(first), win::kErrorSuccess);
    EXPECT_EQ(registry_.RegCloseKey(first), win::kErrorInvalidHandle);
    EXPECT_EQ(registry_.RegCloseKey(win::kHkeyCurrentUser), win::kErrorSuccess);
    EXPECT_EQ(registry_.OpenKeyCount(), 1u);
    EXPECT_EQ(registry_.RegCloseKey(second), win::kErrorSuccess);
    EXPECT_EQ(registry_.OpenKeyCount(), 0u);
    EXPECT_EQ(registry_.CallCount(), 6u);
    EXPECT_EQ(registry_.CallCount(RegFunction::CloseKey), 4u);
    EXPECT_EQ(registry_.CallCount(RegFunction::OpenKeyEx), 1u);
}

TEST_F(SimRegistryTest, FailsTheNthCallOfAFunction) {
    registry_.FailCall(RegFunction::CreateKey, win::kErrorAccessDenied, 2);
    Handle handle = 0;
    EXPECT_EQ(registry_.RegCreateKeyA(win::kHkeyCurrentUser, "A", &handle), win::kErrorSuccess);
    EXPECT_EQ(registry_.RegCloseKey(handle), win::kErrorSuccess);
    handle = 0xdeadbeef;
    EXPECT_EQ(registry_.RegCreateKeyA(win::kHkeyCurrentUser, "B", &handle),
              win::kErrorAccessDenied);
    EXPECT_EQ(handle, 0u);
    EXPECT_FALSE(registry_.KeyExists("HKEY_CURRENT_USER\\B"));
    EXPECT_EQ(registry_.RegCreateKeyA(win::kHkeyCurrentUser, "C", &handle), win::kErrorSuccess);
    EXPECT_EQ(registry_.RegCloseKey(handle), win::kErrorSuccess);
    EXPECT_EQ(registry_.CallCount(RegFunction::CreateKey), 3u);
}

TEST_F(SimRegistryTest, FailsEveryCallOfAFunctionUntilCleared) {
    const Handle key = Create("A");
    registry_.FailCall(RegFunction::SetValueEx, 1013);
    const std::uint8_t one = 1;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(registry_.RegSetValueExA(key, "v", 0, win::kRegBinary, &one, 1), 1013);
    EXPECT_FALSE(registry_.FindValue("HKEY_CURRENT_USER\\A", "v").has_value());
    EXPECT_EQ(api_.effects.Entries().size(), 1u);  // the create only
    registry_.ClearFaults();
    EXPECT_EQ(registry_.RegSetValueExA(key, "v", 0, win::kRegBinary, &one, 1), win::kErrorSuccess);
    EXPECT_EQ(registry_.RegCloseKey(key), win::kErrorSuccess);
}

TEST_F(SimRegistryTest, AFailedCloseLeavesTheKeyOpen) {
    const Handle key = Create("A");
    registry_.FailCall(RegFunction::CloseKey, win::kErrorInvalidHandle, 1);
    EXPECT_EQ(registry_.RegCloseKey(key), win::kErrorInvalidHandle);
    EXPECT_EQ(registry_.OpenKeyCount(), 1u);
    EXPECT_EQ(registry_.RegCloseKey(key), win::kErrorSuccess);
    EXPECT_EQ(registry_.OpenKeyCount(), 0u);
}

}  // namespace
}  // namespace brenvik::sim
