#pragma once
// Wraps a backend's registry and keeps account of the calls made through it: which function, on
// which key, with which name, and how many keys were left open. Works on the simulation and on the
// real registry alike.
#include <string>
#include <vector>

#include "platform/forwarding_registry_api.h"

namespace brenvik::testing {

struct RegistryCall {
    std::string function;
    Handle key;        // the key handle the call was given
    std::string name;  // the sub-key or value name, "" for a close
    bool operator==(const RegistryCall&) const = default;
};

class CountingRegistryApi final : public ForwardingRegistryApi {
public:
    using ForwardingRegistryApi::ForwardingRegistryApi;

    // Keys opened or created and not yet closed.
    int OpenKeys() const { return openKeys_; }
    const std::vector<RegistryCall>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

    LResult RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                          std::uint32_t access, Handle* result) override {
        Record("RegOpenKeyExA", key, subKey);
        return Opened(inner_.RegOpenKeyExA(key, subKey, options, access, result));
    }
    LResult RegCreateKeyA(Handle key, const char* subKey, Handle* result) override {
        Record("RegCreateKeyA", key, subKey);
        return Opened(inner_.RegCreateKeyA(key, subKey, result));
    }
    LResult RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* reserved,
                             std::uint32_t* type, std::uint8_t* data,
                             std::uint32_t* dataSize) override {
        Record("RegQueryValueExA", key, valueName);
        return inner_.RegQueryValueExA(key, valueName, reserved, type, data, dataSize);
    }
    LResult RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved,
                           std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t dataSize) override {
        Record("RegSetValueExA", key, valueName);
        return inner_.RegSetValueExA(key, valueName, reserved, type, data, dataSize);
    }
    LResult RegDeleteKeyA(Handle key, const char* subKey) override {
        Record("RegDeleteKeyA", key, subKey);
        return inner_.RegDeleteKeyA(key, subKey);
    }
    LResult RegCloseKey(Handle key) override {
        Record("RegCloseKey", key, nullptr);
        const LResult code = inner_.RegCloseKey(key);
        if (code == win::kErrorSuccess) --openKeys_;
        return code;
    }

private:
    void Record(const char* function, Handle key, const char* name) {
        calls_.push_back({function, key, name != nullptr ? name : ""});
    }
    LResult Opened(LResult code) {
        if (code == win::kErrorSuccess) ++openKeys_;
        return code;
    }

    int openKeys_ = 0;
    std::vector<RegistryCall> calls_;
};

}  // namespace brenvik::testing
