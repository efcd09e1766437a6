#pragma once
// A function of user32 that older Windows lack: found at run time, null where it is missing.
#include <windows.h>

namespace brenvik::win32 {

template <typename Function>
Function* FromUser32(const char* name) {
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 == nullptr ? nullptr
                             : reinterpret_cast<Function*>(
                                   reinterpret_cast<void*>(::GetProcAddress(user32, name)));
}

}  // namespace brenvik::win32
