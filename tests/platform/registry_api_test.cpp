// The registry functions as the program calls them, run against the simulation on
// Linux and against Wine's registry on Windows: whatever the simulation answers
// must be what Windows answers.
#include <array>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>

#include "tests/support/caller.h"
#include "tests/support/test_backend.h"
#include "tests/support/test_key.h"

namespace brenvik::testing {
namespace {

constexpr std::uint32_t kSeed = 0xdeadbeef;
constexpr std::uint8_t kFill = 0xA5;
constexpr LResult kErrorBadPathname = 161;
constexpr LResult kErrorKeyDeleted = 1018;

using Bytes = std::vector<std::uint8_t>;

class RegistryApiTest : public ::testing::Test {
protected:
    std::unique_ptr<TestBackend> backend_ = MakeTestBackend();
    RegistryApi& api_ = backend_->Registry();
    TestKey key_{api_, "Api", {"A", "A\\B", "Leaf", "Values", "Values\\Child"}};

    Handle Create(const std::string& subKey, Caller caller = Caller::current()) {
        const auto trace = TraceCaller(caller);
        Handle handle = kSeed;
        EXPECT_EQ(api_.RegCreateKeyA(win::kHkeyCurrentUser, subKey.c_str(), &handle),
                  win::kErrorSuccess)
            << subKey;
        return handle;
    }
    LResult Open(const std::string& subKey, Handle& handle, std::uint32_t access = win::kKeyRead) {
        handle = kSeed;
        return api_.RegOpenKeyExA(win::kHkeyCurrentUser, subKey.c_str(), 0, access, &handle);
    }
    void Close(Handle handle, Caller caller = Caller::current()) {
        const auto trace = TraceCaller(caller);
        EXPECT_EQ(api_.RegCloseKey(handle), win::kErrorSuccess);
    }
    void Set(Handle key, const char* name, std::uint32_t type, const std::string& data,
             std::uint32_t size, Caller caller = Caller::current()) {
        const auto trace = TraceCaller(caller);
        EXPECT_EQ(api_.RegSetValueExA(key, name, 0, type,
                                      reinterpret_cast<const std::uint8_t*>(data.c_str()), size),
                  win::kErrorSuccess);
    }
};

struct Query {
    LResult code;
    std::uint32_t type = kSeed;
    std::uint32_t size;
    std::array<std::uint8_t, 16> buffer;
};

// Queries with a buffer of the given size, filled with kFill, and out-values seeded.
Query QueryInto(RegistryApi& api, Handle key, const char* name, std::uint32_t room) {
    Query q{};
    q.type = kSeed;
    q.size = room;
    q.buffer.fill(kFill);
    q.code = api.RegQueryValueExA(key, name, nullptr, &q.type, q.buffer.data(), &q.size);
    return q;
}

TEST_F(RegistryApiTest, ThePredefinedRoots) {
    constexpr Handle kRoots[] = {win::kHkeyClassesRoot,   win::kHkeyCurrentUser,
                                 win::kHkeyLocalMachine,  win::kHkeyUsers,
                                 win::kHkeyCurrentConfig, win::kHkeyDynData};
    for (Handle root : kRoots) {
        SCOPED_TRACE(root);
        Handle handle = kSeed;
        EXPECT_EQ(api_.RegOpenKeyExA(root, "BrenvikNoSuchKey", 0, win::kKeyRead, &handle),
                  win::kErrorFileNotFound);
        EXPECT_EQ(handle, 0u);
        // A root opened by itself is its own handle; created, it gets a new one.
        ASSERT_EQ(api_.RegOpenKeyExA(root, "", 0, win::kKeyRead, &handle), win::kErrorSuccess);
        EXPECT_EQ(handle, root);
        ASSERT_EQ(api_.RegOpenKeyExA(root, nullptr, 0, win::kKeyWrite, &handle),
                  win::kErrorSuccess);
        EXPECT_EQ(handle, root);
        ASSERT_EQ(api_.RegCreateKeyA(root, "", &handle), win::kErrorSuccess);
        EXPECT_NE(handle, root);
        Close(handle);
        EXPECT_EQ(api_.RegCloseKey(root), win::kErrorSuccess);  // a predefined root stays usable
        EXPECT_EQ(api_.RegDeleteKeyA(root, ""), win::kErrorAccessDenied);
    }
    Handle handle = kSeed;
    EXPECT_EQ(api_.RegOpenKeyExA(0x80000007, "", 0, win::kKeyRead, &handle),
              win::kErrorInvalidHandle);
}

TEST_F(RegistryApiTest, PerformanceDataHasNoKeysToOpenOrWrite) {
    const Handle root = win::kHkeyPerformanceData;
    Handle handle = kSeed;
    EXPECT_EQ(api_.RegOpenKeyExA(root, "BrenvikNoSuchKey", 0, win::kKeyRead, &handle),
              win::kErrorInvalidHandle);
    EXPECT_EQ(api_.RegCreateKeyA(root, "", &handle), win::kErrorInvalidHandle);
    EXPECT_EQ(api_.RegOpenKeyExA(root, "", 0, win::kKeyRead, &handle), win::kErrorSuccess);
    EXPECT_EQ(handle, root);
    const std::uint8_t one = 1;
    EXPECT_EQ(api_.RegSetValueExA(root, "v", 0, win::kRegBinary, &one, 1),
              win::kErrorInvalidHandle);
    EXPECT_EQ(api_.RegDeleteKeyA(root, "x"), win::kErrorInvalidHandle);
}

TEST_F(RegistryApiTest, AnOrdinaryKeyOpenedByItselfGetsANewHandle) {
    const Handle key = Create(key_.Path("A"));
    Handle again = kSeed;
    ASSERT_EQ(api_.RegOpenKeyExA(key, "", 0, win::kKeyRead, &again), win::kErrorSuccess);
    EXPECT_NE(again, key);
    Close(again);
    ASSERT_EQ(api_.RegCreateKeyA(key, nullptr, &again), win::kErrorSuccess);
    EXPECT_NE(again, key);
    Close(again);
    Close(key);
}

TEST_F(RegistryApiTest, CreateMakesEveryMissingKeyAndOpensAnExistingOne) {
    Close(Create(key_.Path("A\\B")));
    Handle handle;
    ASSERT_EQ(Open(key_.Path("A"), handle), win::kErrorSuccess);
    Close(handle);
    // Names compare without regard to case; creating again opens what is there.
    ASSERT_EQ(Open("SOFTWARE\\brenviktest\\api\\a\\b", handle), win::kErrorSuccess);
    Close(handle);
    Close(Create(key_.Path("a\\b")));
    Handle child;
    EXPECT_EQ(api_.RegOpenKeyExA(win::kHkeyCurrentUser, key_.Path("A").c_str(), 0, win::kKeyRead,
                                 &handle),
              win::kErrorSuccess);
    EXPECT_EQ(api_.RegOpenKeyExA(handle, "b", 0, win::kKeyRead, &child), win::kErrorSuccess);
    Close(child);
    Close(handle);
}

TEST_F(RegistryApiTest, OpeningAMissingKeyFailsWithNotFoundAndNoHandle) {
    Handle handle;
    EXPECT_EQ(Open(key_.Path("A"), handle), win::kErrorFileNotFound);
    EXPECT_EQ(handle, 0u);
}

TEST_F(RegistryApiTest, SeparatorsInSubKeyPaths) {
    Close(Create(key_.Path("A\\B")));
    Handle handle;
    // Doubled and trailing separators are skipped; a leading one is a bad path.
    EXPECT_EQ(Open(key_.Path("A\\\\B"), handle), win::kErrorSuccess);
    Close(handle);
    EXPECT_EQ(Open(key_.Path("A\\"), handle), win::kErrorSuccess);
    Close(handle);
    EXPECT_EQ(Open("\\" + key_.Path("A"), handle), kErrorBadPathname);
    // Except below the classes root, where one leading separator is allowed.
    EXPECT_EQ(
        api_.RegOpenKeyExA(win::kHkeyClassesRoot, "\\BrenvikNoSuchKey", 0, win::kKeyRead, &handle),
        win::kErrorFileNotFound);
    handle = kSeed;
    EXPECT_EQ(api_.RegCreateKeyA(win::kHkeyCurrentUser, ("\\" + key_.Path("A")).c_str(), &handle),
              kErrorBadPathname);
}

TEST_F(RegistryApiTest, InvalidAndClosedHandlesGiveInvalidHandle) {
    const Handle closed = Create(key_.Path("A"));
    Close(closed);
    for (Handle bad : {Handle{0}, closed}) {
        SCOPED_TRACE(bad);
        Handle handle;
        EXPECT_EQ(api_.RegOpenKeyExA(bad, "x", 0, win::kKeyRead, &handle),
                  win::kErrorInvalidHandle);
        EXPECT_EQ(api_.RegCreateKeyA(bad, "x", &handle), win::kErrorInvalidHandle);
        std::uint32_t size = 4;
        std::uint8_t data[4];
        EXPECT_EQ(api_.RegQueryValueExA(bad, "x", nullptr, nullptr, data, &size),
                  win::kErrorInvalidHandle);
        EXPECT_EQ(api_.RegSetValueExA(bad, "x", 0, win::kRegBinary, data, 1),
                  win::kErrorInvalidHandle);
        EXPECT_EQ(api_.RegDeleteKeyA(bad, "x"), win::kErrorInvalidHandle);
        EXPECT_EQ(api_.RegCloseKey(bad), win::kErrorInvalidHandle);
    }
}

// A value as stored, then read into a buffer of `room` bytes: what the call answers and
// what it writes, no byte past `bytes` (the fill shows any).
struct ReadCase {
    const char* name;
    const char* value;  // null: none stored
    std::uint32_t type;
    std::string_view stored;  // its first `size` bytes are given to RegSetValueExA
    std::uint32_t size;
    std::uint32_t room;
    LResult code;
    std::uint32_t typeRead;
    std::uint32_t sizeRead;
    std::string_view bytes;
};

TEST_F(RegistryApiTest, AValueIsReadWholeWithAStringsNulOrNotAtAll) {
    using win::kRegBinary, win::kRegSz, win::kErrorSuccess, win::kErrorMoreData;
    const ReadCase cases[] = {
        // A string counted without its NUL is stored with it (the NUL follows in memory).
        {"string", "abc", kRegSz, "abc", 3, 100, kErrorSuccess, kRegSz, 4, {"abc\0", 4}},
        {"string, too little room", "abc", kRegSz, "abc", 3, 2, kErrorMoreData, kRegSz, 4, ""},
        // Without a NUL in memory, the reader's buffer gets one, when it has room.
        {"unterminated", "abcX", kRegSz, "abcX", 3, 100, kErrorSuccess, kRegSz, 3, {"abc\0", 4}},
        {"unterminated, no room for a NUL", "abcX", kRegSz, "abcX", 3, 3, kErrorSuccess, kRegSz, 3,
         "abc"},
        {"empty string", "empty", kRegSz, "", 0, 10, kErrorSuccess, kRegSz, 0, ""},
        {"binary", "short", kRegBinary, "\x01\x02", 2, 4, kErrorSuccess, kRegBinary, 2, "\x01\x02"},
        {"binary, too little room", "long", kRegBinary, "\x01\x02\x03\x04\x05", 5, 4,
         kErrorMoreData, kRegBinary, 5, ""},
        {"missing: no type", "missing", 0, "", 0, 4, win::kErrorFileNotFound, 0, 4, ""},
    };
    const Handle key = Create(key_.Path("Values"));
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.type != 0) Set(key, c.value, c.type, std::string(c.stored), c.size);
        const Query q = QueryInto(api_, key, c.value, c.room);
        EXPECT_EQ(q.code, c.code);
        EXPECT_EQ(q.type, c.typeRead);
        EXPECT_EQ(q.size, c.sizeRead);
        EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(q.buffer.data()), c.bytes.size()),
                  c.bytes);
        EXPECT_EQ(q.buffer[c.bytes.size()], kFill);
    }
    Close(key);
}

TEST_F(RegistryApiTest, ANullBufferAsksForTheSize) {
    const Handle key = Create(key_.Path("Values"));
    Set(key, "abc", win::kRegSz, "abc", 3);
    Set(key, "bin", win::kRegBinary, "\x01\x02\x03\x04\x05", 5);
    for (const char* name : {"abc", "bin"}) {
        SCOPED_TRACE(name);
        std::uint32_t type = kSeed;
        std::uint32_t size = kSeed;
        EXPECT_EQ(api_.RegQueryValueExA(key, name, nullptr, &type, nullptr, &size),
                  win::kErrorSuccess);
        EXPECT_EQ(size, std::string(name) == "abc" ? 4u : 5u);
        EXPECT_EQ(type, std::string(name) == "abc" ? win::kRegSz : win::kRegBinary);
    }
    std::uint32_t size = kSeed;
    EXPECT_EQ(api_.RegQueryValueExA(key, "missing", nullptr, nullptr, nullptr, &size),
              win::kErrorFileNotFound);
    EXPECT_EQ(size, 0u);
    Close(key);
}

TEST_F(RegistryApiTest, ValueNamesIgnoreCaseAndTheEmptyNameIsTheDefaultValue) {
    const Handle key = Create(key_.Path("Values"));
    Set(key, "Name", win::kRegBinary, "\x01", 1);
    Set(key, "NAME", win::kRegBinary, "\x02", 1);
    Set(key, "", win::kRegBinary, "\x03", 1);
    EXPECT_EQ(api_.RegSetValueExA(key, "none", 0, win::kRegBinary, nullptr, 0), win::kErrorSuccess);
    EXPECT_EQ(QueryInto(api_, key, "none", 4).size, 0u);
    EXPECT_EQ(QueryInto(api_, key, "name", 4).buffer[0], 2);
    EXPECT_EQ(QueryInto(api_, key, nullptr, 4).buffer[0], 3);
    Close(key);
}

TEST_F(RegistryApiTest, BadParametersToAQuery) {
    const Handle key = Create(key_.Path("Values"));
    Set(key, "v", win::kRegBinary, "\x01", 1);
    std::uint8_t data[4];
    std::uint32_t size = 4;
    std::uint32_t reserved = 0;
    EXPECT_EQ(api_.RegQueryValueExA(key, "v", nullptr, nullptr, data, nullptr),
              win::kErrorInvalidParameter);
    EXPECT_EQ(api_.RegQueryValueExA(key, "v", &reserved, nullptr, data, &size),
              win::kErrorInvalidParameter);
    Close(key);
}

TEST_F(RegistryApiTest, AHandleAllowsOnlyWhatItWasOpenedFor) {
    Close(Create(key_.Path("Values")));
    Handle reader;
    Handle writer;
    ASSERT_EQ(Open(key_.Path("Values"), reader, win::kKeyRead), win::kErrorSuccess);
    ASSERT_EQ(Open(key_.Path("Values"), writer, win::kKeyWrite), win::kErrorSuccess);
    const std::uint8_t one = 1;
    EXPECT_EQ(api_.RegSetValueExA(reader, "v", 0, win::kRegBinary, &one, 1),
              win::kErrorAccessDenied);
    EXPECT_EQ(api_.RegSetValueExA(writer, "v", 0, win::kRegBinary, &one, 1), win::kErrorSuccess);
    EXPECT_EQ(QueryInto(api_, writer, "v", 4).code, win::kErrorAccessDenied);
    EXPECT_EQ(QueryInto(api_, reader, "v", 4).code, win::kErrorSuccess);
    Handle child;
    EXPECT_EQ(api_.RegCreateKeyA(reader, "Child", &child), win::kErrorSuccess);
    Close(child);
    Close(reader);
    Close(writer);
}

TEST_F(RegistryApiTest, DeletingKeys) {
    Close(Create(key_.Path("A\\B")));
    EXPECT_EQ(api_.RegDeleteKeyA(win::kHkeyCurrentUser, key_.Path("A").c_str()),
              win::kErrorAccessDenied);
    EXPECT_EQ(api_.RegDeleteKeyA(win::kHkeyCurrentUser, key_.Path("Leaf").c_str()),
              win::kErrorFileNotFound);
    EXPECT_EQ(api_.RegDeleteKeyA(win::kHkeyCurrentUser, key_.Path("a\\b").c_str()),
              win::kErrorSuccess);
    Handle handle;
    EXPECT_EQ(Open(key_.Path("A\\B"), handle), win::kErrorFileNotFound);
    EXPECT_EQ(Open(key_.Path("A"), handle), win::kErrorSuccess);
    Close(handle);
}

TEST_F(RegistryApiTest, AKeyCanDeleteItselfButOnlyByName) {
    const Handle key = Create(key_.Path("Leaf"));
    EXPECT_EQ(api_.RegDeleteKeyA(key, nullptr), win::kErrorInvalidParameter);
    EXPECT_EQ(api_.RegDeleteKeyA(key, ""), win::kErrorSuccess);
    Handle handle;
    EXPECT_EQ(Open(key_.Path("Leaf"), handle), win::kErrorFileNotFound);
    Close(key);
}

TEST_F(RegistryApiTest, AHandleToADeletedKeyOnlyCloses) {
    Handle leaf = Create(key_.Path("Leaf"));
    EXPECT_EQ(api_.RegDeleteKeyA(win::kHkeyCurrentUser, key_.Path("Leaf").c_str()),
              win::kErrorSuccess);
    const std::uint8_t one = 1;
    EXPECT_EQ(api_.RegSetValueExA(leaf, "v", 0, win::kRegBinary, &one, 1), kErrorKeyDeleted);
    EXPECT_EQ(QueryInto(api_, leaf, "v", 4).code, kErrorKeyDeleted);
    Handle child;
    EXPECT_EQ(api_.RegCreateKeyA(leaf, "Child", &child), kErrorKeyDeleted);
    Close(leaf);
}

}  // namespace
}  // namespace brenvik::testing
