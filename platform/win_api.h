#pragma once
// The Windows functions that Brenvik calls, with their Windows names and their
// ANSI ("A") signatures. One implementation calls the real DLLs, the other is an
// in-memory model of Windows for tests.
#include <cstdint>

namespace brenvik {

// Window and registry handles are 32-bit values on every Windows Brenvik runs on.
using Handle = std::uint32_t;
using LResult = std::int32_t;  // a registry call's Windows error code, 0 on success

// The Windows constants the program uses, under their Windows names. <windows.h>
// defines the same names as macros: a file that includes both includes it last.
namespace win {
constexpr Handle HKEY_CLASSES_ROOT = 0x80000000u;
constexpr Handle HKEY_CURRENT_USER = 0x80000001u;
constexpr Handle HKEY_LOCAL_MACHINE = 0x80000002u;
constexpr Handle HKEY_USERS = 0x80000003u;
constexpr Handle HKEY_PERFORMANCE_DATA = 0x80000004u;
constexpr Handle HKEY_CURRENT_CONFIG = 0x80000005u;
constexpr Handle HKEY_DYN_DATA = 0x80000006u;

constexpr std::uint32_t KEY_READ = 0x20019;
constexpr std::uint32_t KEY_WRITE = 0x20006;
constexpr std::uint32_t REG_SZ = 1;
constexpr std::uint32_t REG_BINARY = 3;
constexpr std::uint32_t REG_DWORD = 4;

constexpr LResult ERROR_SUCCESS = 0;
constexpr LResult ERROR_FILE_NOT_FOUND = 2;
constexpr LResult ERROR_ACCESS_DENIED = 5;
constexpr LResult ERROR_INVALID_HANDLE = 6;
constexpr LResult ERROR_INVALID_PARAMETER = 87;
constexpr LResult ERROR_MORE_DATA = 234;

constexpr std::uint32_t WM_COMMAND = 0x111;
constexpr std::uint32_t WM_MOUSEMOVE = 0x200;

constexpr std::uint32_t NIM_ADD = 0;
constexpr std::uint32_t NIM_MODIFY = 1;
constexpr std::uint32_t NIM_DELETE = 2;
constexpr std::uint32_t NIF_MESSAGE = 1;
constexpr std::uint32_t NIF_ICON = 2;
constexpr std::uint32_t NIF_TIP = 4;

// The first, ANSI form of NOTIFYICONDATA: 88 bytes, little-endian.
constexpr int kNotifyIconDataSize = 88;
}  // namespace win

class WinApi {
public:
    virtual ~WinApi() = default;

    // user32
    virtual Handle FindWindowA(const char* className, const char* windowName) = 0;
    virtual int GetWindowTextA(Handle window, char* buffer, int bufferSize) = 0;
    virtual bool PostMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                              std::int32_t lParam) = 0;

    // advapi32
    virtual LResult RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                                  std::uint32_t access, Handle* result) = 0;
    virtual LResult RegCreateKeyA(Handle key, const char* subKey, Handle* result) = 0;
    virtual LResult RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* reserved,
                                     std::uint32_t* type, std::uint8_t* data,
                                     std::uint32_t* dataSize) = 0;
    virtual LResult RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved,
                                   std::uint32_t type, const std::uint8_t* data,
                                   std::uint32_t dataSize) = 0;
    virtual LResult RegDeleteKeyA(Handle key, const char* subKey) = 0;
    virtual LResult RegCloseKey(Handle key) = 0;

    // shell32: the record is the 88-byte ANSI NOTIFYICONDATA.
    virtual bool Shell_NotifyIcon(std::uint32_t message, std::uint8_t* notifyIconData) = 0;
};

}  // namespace brenvik
