#pragma once
// Passes every call on to the backend's Windows and writes the calls that change
// something (value writes, posts) into the effect log that the headless window
// writes too, so one record shows their order. Counts registry calls.
#include <string>

#include "platform/sim/effect_log.h"
#include "platform/forwarding_win_api.h"

namespace brenvik::testing {

class RecordingWinApi final : public ForwardingWinApi {
public:
    RecordingWinApi(WinApi& inner, sim::EffectLog& log) : ForwardingWinApi(inner), log_(log) {}

    int registryCalls = 0;
    int windowSearches = 0;

    Handle FindWindowA(const char* className, const char* windowName) override {
        ++windowSearches;
        return inner_.FindWindowA(className, windowName);
    }
    bool PostMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                      std::int32_t lParam) override {
        log_.Record("post " + std::to_string(message) + " " + std::to_string(wParam) + " " +
                    std::to_string(lParam));
        return inner_.PostMessageA(window, message, wParam, lParam);
    }
    LResult RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                          std::uint32_t access, Handle* result) override {
        ++registryCalls;
        return inner_.RegOpenKeyExA(key, subKey, options, access, result);
    }
    LResult RegCreateKeyA(Handle key, const char* subKey, Handle* result) override {
        ++registryCalls;
        log_.Record(std::string("create ") + subKey);
        return inner_.RegCreateKeyA(key, subKey, result);
    }
    LResult RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* reserved,
                             std::uint32_t* type, std::uint8_t* data,
                             std::uint32_t* dataSize) override {
        ++registryCalls;
        return inner_.RegQueryValueExA(key, valueName, reserved, type, data, dataSize);
    }
    LResult RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved,
                           std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t dataSize) override {
        ++registryCalls;
        log_.Record(std::string("value ") + valueName);
        return inner_.RegSetValueExA(key, valueName, reserved, type, data, dataSize);
    }
    LResult RegDeleteKeyA(Handle key, const char* subKey) override {
        ++registryCalls;
        return inner_.RegDeleteKeyA(key, subKey);
    }
    LResult RegCloseKey(Handle key) override {
        ++registryCalls;
        return inner_.RegCloseKey(key);
    }

private:
    sim::EffectLog& log_;
};

}  // namespace brenvik::testing
