#pragma once
// Passes every registry function on to another implementation. A decorator derives
// from it and overrides only the calls it watches.
#include "platform/registry_api.h"

namespace brenvik {

class ForwardingRegistryApi : public RegistryApi {
public:
    explicit ForwardingRegistryApi(RegistryApi& inner) : inner_(inner) {}

    LResult RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                          std::uint32_t access, Handle* result) override {
        return inner_.RegOpenKeyExA(key, subKey, options, access, result);
    }
    LResult RegCreateKeyA(Handle key, const char* subKey, Handle* result) override {
        return inner_.RegCreateKeyA(key, subKey, result);
    }
    LResult RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* reserved,
                             std::uint32_t* type, std::uint8_t* data,
                             std::uint32_t* dataSize) override {
        return inner_.RegQueryValueExA(key, valueName, reserved, type, data, dataSize);
    }
    LResult RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved,
                           std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t dataSize) override {
        return inner_.RegSetValueExA(key, valueName, reserved, type, data, dataSize);
    }
    LResult RegDeleteKeyA(Handle key, const char* subKey) override {
        return inner_.RegDeleteKeyA(key, subKey);
    }
    LResult RegCloseKey(Handle key) override { return inner_.RegCloseKey(key); }

protected:
    RegistryApi& inner_;
};

}  // namespace brenvik
