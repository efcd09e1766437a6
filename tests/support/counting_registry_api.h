#pragma once
// Wraps a backend's registry and keeps account of the calls made through it: which function, on
// which key, with which name, and which keys were never handed back to RegCloseKey. Given an
// effect log, it writes there the calls that change something (key creations, value writes), so
// that one record shows them in order with the window's own effects. Works on the simulation and
// on the real registry alike.
#include <set>
#include <string>
#include <vector>

#include "platform/forwarding_registry_api.h"
#include "platform/sim/effect_log.h"

namespace brenvik::testing {

struct RegistryCall {
    std::string function;
    Handle key;        // the key handle the call was given
    std::string name;  // the sub-key or value name, "" for a close
    bool operator==(const RegistryCall&) const = default;
};

class CountingRegistryApi final : public ForwardingRegistryApi {
public:
    explicit CountingRegistryApi(RegistryApi& inner, sim::EffectLog* changes = nullptr)
        : ForwardingRegistryApi(inner), changes_(changes) {}

    // Keys opened or created and not handed to RegCloseKey since.
    int OpenKeys() const { return static_cast<int>(notClosed_.size()); }
    const std::vector<RegistryCall>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

    LResult RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                          std::uint32_t access, Handle* result) override {
        Record("RegOpenKeyExA", key, subKey);
        return Opened(inner_.RegOpenKeyExA(key, subKey, options, access, result), result);
    }
    LResult RegCreateKeyA(Handle key, const char* subKey, Handle* result) override {
        Record("RegCreateKeyA", key, subKey);
        if (changes_ != nullptr) changes_->Record(std::string("create ") + subKey);
        return Opened(inner_.RegCreateKeyA(key, subKey, result), result);
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
        if (changes_ != nullptr) changes_->Record(std::string("value ") + valueName);
        return inner_.RegSetValueExA(key, valueName, reserved, type, data, dataSize);
    }
    LResult RegDeleteKeyA(Handle key, const char* subKey) override {
        Record("RegDeleteKeyA", key, subKey);
        return inner_.RegDeleteKeyA(key, subKey);
    }
    LResult RegCloseKey(Handle key) override {
        Record("RegCloseKey", key, nullptr);
        notClosed_.erase(key);  // handed back, whatever the registry answers
        return inner_.RegCloseKey(key);
    }

private:
    void Record(const char* function, Handle key, const char* name) {
        calls_.push_back({function, key, name != nullptr ? name : ""});
    }
    LResult Opened(LResult code, const Handle* result) {
        if (code == win::kErrorSuccess) notClosed_.insert(*result);
        return code;
    }

    sim::EffectLog* changes_;
    std::set<Handle> notClosed_;
    std::vector<RegistryCall> calls_;
};

}  // namespace brenvik::testing
