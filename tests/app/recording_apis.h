#pragma once
// Pass every call of the registry and of the messenger side's windows on to the
// backend's Windows and write the calls that change something (value writes, key
// creations, posts) into the effect log that the headless window writes too, so one
// record shows their order. They count registry calls and searches for the messenger.
#include <string>

#include "platform/forwarding_registry_api.h"
#include "platform/sim/effect_log.h"
#include "platform/window_api.h"

namespace brenvik::testing {

class RecordingRegistry final : public ForwardingRegistryApi {
public:
    RecordingRegistry(RegistryApi& inner, sim::EffectLog& log)
        : ForwardingRegistryApi(inner), log_(log) {}

    int calls = 0;

    LResult RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                          std::uint32_t access, Handle* result) override {
        ++calls;
        return inner_.RegOpenKeyExA(key, subKey, options, access, result);
    }
    LResult RegCreateKeyA(Handle key, const char* subKey, Handle* result) override {
        ++calls;
        log_.Record(std::string("create ") + subKey);
        return inner_.RegCreateKeyA(key, subKey, result);
    }
    LResult RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* reserved,
                             std::uint32_t* type, std::uint8_t* data,
                             std::uint32_t* dataSize) override {
        ++calls;
        return inner_.RegQueryValueExA(key, valueName, reserved, type, data, dataSize);
    }
    LResult RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved,
                           std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t dataSize) override {
        ++calls;
        log_.Record(std::string("value ") + valueName);
        return inner_.RegSetValueExA(key, valueName, reserved, type, data, dataSize);
    }
    LResult RegDeleteKeyA(Handle key, const char* subKey) override {
        ++calls;
        return inner_.RegDeleteKeyA(key, subKey);
    }
    LResult RegCloseKey(Handle key) override {
        ++calls;
        return inner_.RegCloseKey(key);
    }

private:
    sim::EffectLog& log_;
};

class RecordingMessengerWindows final : public MessengerWindowApi {
public:
    RecordingMessengerWindows(MessengerWindowApi& inner, sim::EffectLog& log)
        : inner_(inner), log_(log) {}

    int searches = 0;

    Handle FindWindowA(const char* className, const char* windowName) override {
        ++searches;
        return inner_.FindWindowA(className, windowName);
    }
    bool PostMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                      std::int32_t lParam) override {
        log_.Record("post " + std::to_string(message) + " " + std::to_string(wParam) + " " +
                    std::to_string(lParam));
        return inner_.PostMessageA(window, message, wParam, lParam);
    }

private:
    MessengerWindowApi& inner_;
    sim::EffectLog& log_;
};

}  // namespace brenvik::testing
