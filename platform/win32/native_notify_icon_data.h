#pragma once
// The record that the shell is given for the program's 88-byte first-form
// NOTIFYICONDATAA. A 32-bit build's native layout is that record itself. On a 64-bit
// build the window and icon handles take 8 bytes and are aligned, so the record is
// copied into the native first-form layout (NOTIFYICONDATAA_V1_SIZE, 104 bytes).
#include <windows.h>

#include <shellapi.h>

#include <cstdint>

namespace brenvik::win32 {

class NativeNotifyIconData {
public:
    explicit NativeNotifyIconData(std::uint8_t* record);
    NOTIFYICONDATAA* get() { return native_; }

private:
#ifdef _WIN64
    // The first form only: NOTIFYICONDATAA's size depends on the Windows version the
    // includer's headers describe, and this class's must not.
    struct FirstForm {
        DWORD cbSize;
        HWND hWnd;
        UINT uID;
        UINT uFlags;
        UINT uCallbackMessage;
        HICON hIcon;
        CHAR szTip[64];
    };
    static_assert(sizeof(FirstForm) == NOTIFYICONDATAA_V1_SIZE);
    FirstForm copy_{};
#endif
    NOTIFYICONDATAA* native_;
};

}  // namespace brenvik::win32
