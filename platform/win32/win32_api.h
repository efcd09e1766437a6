#pragma once
// The Windows functions of the program, called for real: the windows, the registry and
// the shell in one adapter, which hands each part the interface it calls. One
// FindWindowA serves the player's and the messenger's window interfaces.
#include "platform/registry_api.h"
#include "platform/shell_api.h"
#include "platform/window_api.h"

namespace brenvik::win32 {

class Win32Api final : public PlayerWindowApi,
                       public MessengerWindowApi,
                       public RegistryApi,
                       public ShellApi {
public:
    Handle FindWindowA(const char* className, const char* windowName) override;
    int GetWindowTextA(Handle window, char* buffer, int bufferSize) override;
    bool PostMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                      std::int32_t lParam) override;
    LResult RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                          std::uint32_t access, Handle* result) override;
    LResult RegCreateKeyA(Handle key, const char* subKey, Handle* result) override;
    LResult RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* reserved,
                             std::uint32_t* type, std::uint8_t* data,
                             std::uint32_t* dataSize) override;
    LResult RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved,
                           std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t dataSize) override;
    LResult RegDeleteKeyA(Handle key, const char* subKey) override;
    LResult RegCloseKey(Handle key) override;
    bool Shell_NotifyIconA(std::uint32_t message, std::uint8_t* notifyIconData) override;
};

}  // namespace brenvik::win32
