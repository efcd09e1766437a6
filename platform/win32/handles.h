#pragma once
// Handles cross the seam as 32-bit values, as Windows guarantees for window, icon and
// registry handles. A 64-bit build widens them with their sign, so that predefined
// root keys such as 0x80000001 are what Windows defines.
#include <windows.h>

#include "platform/win_types.h"

namespace brenvik::win32 {

template <typename H>
H ToHandle(Handle h) {
    return reinterpret_cast<H>(static_cast<LONG_PTR>(static_cast<LONG>(h)));
}
inline HWND ToHwnd(Handle h) { return ToHandle<HWND>(h); }
inline HKEY ToHkey(Handle h) { return ToHandle<HKEY>(h); }
inline Handle FromHandle(const void* h) {
    return static_cast<Handle>(reinterpret_cast<ULONG_PTR>(h));
}

}  // namespace brenvik::win32
