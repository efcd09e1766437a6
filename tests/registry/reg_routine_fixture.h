#pragma once
// A RegRoutine on the build's backend (the simulation, or Wine's registry), under
// a test key of its own, with a message box that records its prompts and a count of
// the keys left open, which must be none after every test.
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "registry/reg_routine.h"
#include "tests/support/caller.h"
#include "tests/support/counting_registry_api.h"
#include "tests/support/recording_message_box.h"
#include "tests/support/test_backend.h"
#include "tests/support/test_key.h"

namespace brenvik::registry {

// What an accessor answers when the registry refuses.
inline const AccessorResult kError{u"Error"};

// What a value holds, read straight from the registry.
struct Stored {
    LResult code;
    std::uint32_t type;
    std::string bytes;
};

class RegRoutineTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(api_.OpenKeys(), 0) << "a key was left open"; }

    // The test key's path as RegRoutine takes it, or a sub-key's below it.
    static std::u16string Path(std::u16string_view subKey = {}) {
        std::u16string path = u"HKEY_CURRENT_USER\\Software\\BrenvikTest\\RegRoutine";
        if (!subKey.empty()) path.append(u"\\").append(subKey);
        return path;
    }

    // Writes exactly these bytes as a value straight into the registry, creating its key.
    // A byte other than NUL follows them, so that the registry adds no NUL to a string.
    void Put(const std::string& subKey, const char* name, std::uint32_t type,
             const std::string& bytes, testing::Caller caller = testing::Caller::current()) {
        const auto trace = testing::TraceCaller(caller);
        Handle key = 0;
        ASSERT_EQ(raw_.RegCreateKeyA(win::kHkeyCurrentUser, key_.Path(subKey).c_str(), &key),
                  win::kErrorSuccess);
        const std::string guarded = bytes + '\xA5';
        EXPECT_EQ(raw_.RegSetValueExA(key, name, 0, type,
                                      reinterpret_cast<const std::uint8_t*>(guarded.data()),
                                      static_cast<std::uint32_t>(bytes.size())),
                  win::kErrorSuccess);
        EXPECT_EQ(raw_.RegCloseKey(key), win::kErrorSuccess);
    }

    Stored Read(const std::string& subKey, const char* name,
                testing::Caller caller = testing::Caller::current()) {
        const auto trace = testing::TraceCaller(caller);
        Handle key = 0;
        Stored stored{raw_.RegOpenKeyExA(win::kHkeyCurrentUser, key_.Path(subKey).c_str(), 0,
                                         win::kKeyRead, &key),
                      0,
                      {}};
        if (stored.code != win::kErrorSuccess) return stored;
        std::uint32_t size = 0;
        stored.code = raw_.RegQueryValueExA(key, name, nullptr, &stored.type, nullptr, &size);
        stored.bytes.assign(size, '\xA5');
        if (stored.code == win::kErrorSuccess)
            stored.code =
                raw_.RegQueryValueExA(key, name, nullptr, &stored.type,
                                      reinterpret_cast<std::uint8_t*>(stored.bytes.data()), &size);
        EXPECT_EQ(raw_.RegCloseKey(key), win::kErrorSuccess);
        return stored;
    }

    bool KeyExists(const std::string& subKey, testing::Caller caller = testing::Caller::current()) {
        const auto trace = testing::TraceCaller(caller);
        Handle key = 0;
        if (raw_.RegOpenKeyExA(win::kHkeyCurrentUser, key_.Path(subKey).c_str(), 0, win::kKeyRead,
                               &key) != 0)
            return false;
        EXPECT_EQ(raw_.RegCloseKey(key), win::kErrorSuccess);
        return true;
    }

    std::unique_ptr<testing::TestBackend> backend_ = testing::MakeTestBackend();
    RegistryApi& raw_ = backend_->Registry();
    testing::TestKey key_{
        raw_,
        "RegRoutine",
        {"Values", "New", "New\\Deep", "New\\Deep\\Er", "Parent", "Parent\\Child"}};
    testing::CountingRegistryApi api_{raw_};
    testing::RecordingMessageBox messageBox_;
    RegRoutine reg_{{api_, backend_->Ansi(), messageBox_}};
};

}  // namespace brenvik::registry
