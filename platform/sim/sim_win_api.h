#pragma once
// The simulated Windows: registry, window table and notification area behind the
// same functions as the real ones, with one record of their visible effects.
#include "platform/sim/effect_log.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_windows.h"
#include "platform/win_api.h"

namespace brenvik::sim {

class SimWinApi final : public WinApi {
public:
    EffectLog effects;
    SimRegistry registry{effects};
    SimWindows windows{effects};
    SimShell shell{effects};

    Handle FindWindowA(const char* className, const char* windowName) override {
        return windows.FindWindowA(className, windowName);
    }
    int GetWindowTextA(Handle window, char* buffer, int bufferSize) override {
        return windows.GetWindowTextA(window, buffer, bufferSize);
    }
    bool PostMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                      std::int32_t lParam) override {
        return windows.PostMessageA(window, message, wParam, lParam);
    }
    LResult RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                          std::uint32_t access, Handle* result) override {
        return registry.RegOpenKeyExA(key, subKey, options, access, result);
    }
    LResult RegCreateKeyA(Handle key, const char* subKey, Handle* result) override {
        return registry.RegCreateKeyA(key, subKey, result);
    }
    LResult RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* reserved,
                             std::uint32_t* type, std::uint8_t* data,
                             std::uint32_t* dataSize) override {
        return registry.RegQueryValueExA(key, valueName, reserved, type, data, dataSize);
    }
    LResult RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved,
                           std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t dataSize) override {
        return registry.RegSetValueExA(key, valueName, reserved, type, data, dataSize);
    }
    LResult RegDeleteKeyA(Handle key, const char* subKey) override {
        return registry.RegDeleteKeyA(key, subKey);
    }
    LResult RegCloseKey(Handle key) override { return registry.RegCloseKey(key); }
    bool Shell_NotifyIcon(std::uint32_t message, std::uint8_t* notifyIconData) override {
        return shell.Shell_NotifyIcon(message, notifyIconData);
    }
};

}  // namespace brenvik::sim
