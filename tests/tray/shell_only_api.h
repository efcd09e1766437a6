#pragma once
// The Windows functions as the tray control sees them: the notification area is the
// simulated shell; the control calls nothing else, so every other function fails.
#include "platform/sim/sim_shell.h"
#include "platform/win_api.h"

namespace brenvik::testing {

class ShellOnlyApi final : public WinApi {
public:
    explicit ShellOnlyApi(sim::SimShell& shell) : shell_(shell) {}

    bool Shell_NotifyIcon(std::uint32_t message, std::uint8_t* notifyIconData) override {
        return shell_.Shell_NotifyIcon(message, notifyIconData);
    }

    Handle FindWindowA(const char*, const char*) override { return 0; }
    int GetWindowTextA(Handle, char*, int) override { return 0; }
    bool PostMessageA(Handle, std::uint32_t, std::uint32_t, std::int32_t) override { return false; }
    LResult RegOpenKeyExA(Handle, const char*, std::uint32_t, std::uint32_t, Handle*) override {
        return win::ERROR_INVALID_HANDLE;
    }
    LResult RegCreateKeyA(Handle, const char*, Handle*) override {
        return win::ERROR_INVALID_HANDLE;
    }
    LResult RegQueryValueExA(Handle, const char*, std::uint32_t*, std::uint32_t*, std::uint8_t*,
                             std::uint32_t*) override {
        return win::ERROR_INVALID_HANDLE;
    }
    LResult RegSetValueExA(Handle, const char*, std::uint32_t, std::uint32_t, const std::uint8_t*,
                           std::uint32_t) override {
        return win::ERROR_INVALID_HANDLE;
    }
    LResult RegDeleteKeyA(Handle, const char*) override { return win::ERROR_INVALID_HANDLE; }
    LResult RegCloseKey(Handle) override { return win::ERROR_INVALID_HANDLE; }

private:
    sim::SimShell& shell_;
};

}  // namespace brenvik::testing
