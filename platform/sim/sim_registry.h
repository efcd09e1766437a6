#pragma once
// PLACEHOLDER: the registry helper replaces this file with the full simulation.
#include <cstdint>

#include "platform/sim/effect_log.h"
#include "platform/win_api.h"

namespace brenvik::sim {

class SimRegistry {
public:
    explicit SimRegistry(EffectLog& effects) : effects_(effects) {}

    LResult RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options, std::uint32_t access,
                          Handle* result);
    LResult RegCreateKeyA(Handle key, const char* subKey, Handle* result);
    LResult RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* reserved,
                             std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataSize);
    LResult RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved,
                           std::uint32_t type, const std::uint8_t* data, std::uint32_t dataSize);
    LResult RegDeleteKeyA(Handle key, const char* subKey);
    LResult RegCloseKey(Handle key);

private:
    EffectLog& effects_;
};

}  // namespace brenvik::sim
