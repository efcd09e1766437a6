#pragma once
// The Windows that a seam's tests run against: the simulation on Linux, the real
// functions under Wine. The same test source runs on both.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ansi.h"
#include "platform/registry_api.h"
#include "platform/shell_api.h"
#include "platform/window_api.h"

namespace brenvik::testing {

struct ReceivedMessage {
    std::uint32_t message;
    std::uint32_t wParam;
    std::int32_t lParam;
};

class TestBackend {
public:
    virtual ~TestBackend() = default;
    virtual PlayerWindowApi& PlayerWindows() = 0;
    virtual MessengerWindowApi& MessengerWindows() = 0;
    virtual RegistryApi& Registry() = 0;
    virtual ShellApi& Shell() = 0;
    virtual const AnsiCodec& Ansi() = 0;
    // The double-byte code page 932 (Japanese), whatever the system's is.
    virtual std::unique_ptr<AnsiCodec> CodePage932() const = 0;
    // Removes a key under HKEY_CURRENT_USER with everything in it, so that a test
    // starts from a registry without what an earlier program left there.
    virtual void DeleteRegistryTree(const std::string& subKey) = 0;

    // Top-level windows of the test's own, found by class like any other window.
    virtual Handle CreateWindowOfClass(const std::string& className, const std::string& title) = 0;
    virtual void DestroyWindow(Handle window) = 0;
    // Delivers what was posted to the test's windows and returns what each received.
    virtual std::vector<ReceivedMessage> Received(Handle window) = 0;
};

std::unique_ptr<TestBackend> MakeTestBackend();

}  // namespace brenvik::testing
