#pragma once
// Passes every Windows function on to another implementation. A decorator derives
// from it and overrides only the calls it watches.
#include "platform/win_api.h"

namespace brenvik {

class ForwardingWinApi : public WinApi {
public:
    explicit ForwardingWinApi(WinApi& inner) : inner_(inner) {}

    Handle FindWindowA(const char* className, const char* windowName) override {
        return inner_.FindWindowA(className, windowName);
    }
    int GetWindowTextA(Handle window, char* buffer, int bufferSize) override {
        return inner_.GetWindowTextA(window, buffer, bufferSize);
    }
    bool PostMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                      std::int32_t lParam) override {
        return inner_.PostMessageA(window, message, wParam, lParam);
    }
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
    bool Shell_NotifyIcon(std::uint32_t message, std::uint8_t* notifyIconData) override {
        return inner_.Shell_NotifyIcon(message, notifyIconData);
    }

protected:
    WinApi& inner_;
};

}  // namespace brenvik
