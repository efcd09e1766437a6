#include "platform/win32/win32_api.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/win32/handles.h"
#include "platform/win32/native_notify_icon_data.h"

namespace brenvik::win32 {

Handle Win32Api::FindWindowA(const char* className, const char* windowName) {
    return FromHandle(::FindWindowA(className, windowName));
}

int Win32Api::GetWindowTextA(Handle window, char* buffer, int bufferSize) {
    return ::GetWindowTextA(ToHwnd(window), buffer, bufferSize);
}

bool Win32Api::PostMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                            std::int32_t lParam) {
    return ::PostMessageA(ToHwnd(window), message, wParam, lParam) != FALSE;
}

LResult Win32Api::RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                                std::uint32_t access, Handle* result) {
    HKEY opened = nullptr;
    const LONG code = ::RegOpenKeyExA(ToHkey(key), subKey, options, access, &opened);
    *result = FromHandle(opened);
    return code;
}

LResult Win32Api::RegCreateKeyA(Handle key, const char* subKey, Handle* result) {
    HKEY created = nullptr;
    const LONG code = ::RegCreateKeyA(ToHkey(key), subKey, &created);
    *result = FromHandle(created);
    return code;
}

LResult Win32Api::RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* reserved,
                                   std::uint32_t* type, std::uint8_t* data,
                                   std::uint32_t* dataSize) {
    static_assert(sizeof(DWORD) == sizeof(std::uint32_t));
    return ::RegQueryValueExA(ToHkey(key), valueName, reinterpret_cast<DWORD*>(reserved),
                              reinterpret_cast<DWORD*>(type), data,
                              reinterpret_cast<DWORD*>(dataSize));
}

LResult Win32Api::RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved,
                                 std::uint32_t type, const std::uint8_t* data,
                                 std::uint32_t dataSize) {
    return ::RegSetValueExA(ToHkey(key), valueName, reserved, type, data, dataSize);
}

LResult Win32Api::RegDeleteKeyA(Handle key, const char* subKey) {
    return ::RegDeleteKeyA(ToHkey(key), subKey);
}

LResult Win32Api::RegCloseKey(Handle key) { return ::RegCloseKey(ToHkey(key)); }

bool Win32Api::Shell_NotifyIconA(std::uint32_t message, std::uint8_t* notifyIconData) {
    // shell32 is large and the program needs one function of it, and only once the
    // user sends the window to the tray: it is loaded at the first add. Before that
    // the shell holds no icon of this program, so a change or a removal can only
    // fail, and does so without loading it.
    using NotifyIconFunction = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*);
    static NotifyIconFunction notifyIcon = nullptr;
    if (notifyIcon == nullptr) {
        if (message != NIM_ADD) return false;
        notifyIcon = reinterpret_cast<NotifyIconFunction>(reinterpret_cast<void*>(
            ::GetProcAddress(::LoadLibraryA("shell32.dll"), "Shell_NotifyIconA")));
        if (notifyIcon == nullptr) return false;
    }
    return notifyIcon(message, NativeNotifyIconData(notifyIconData).get()) != FALSE;
}

}  // namespace brenvik::win32
