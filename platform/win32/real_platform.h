#pragma once
// The real Windows, made in one place for Brenvik.exe, the soak test and the
// benchmarks under Wine: the adapter, the ANSI code page and the message box, handed
// to the program as its Platform.
#include "platform/platform.h"
#include "platform/win32/ansi_codepage.h"
#include "platform/win32/message_box_win32.h"
#include "platform/win32/win32_api.h"

namespace brenvik::win32 {

class RealPlatform {
public:
    RealPlatform() = default;
    RealPlatform(const RealPlatform&) = delete;
    RealPlatform& operator=(const RealPlatform&) = delete;

    const Platform& Services() const { return platform_; }
    // The adapter itself, for calls made directly through the real functions.
    Win32Api& Api() { return api_; }

private:
    Win32Api api_;
    AnsiCodePage ansi_;
    Win32MessageBox messageBox_{ansi_};
    const Platform platform_ = Platform::Of(api_, api_, api_, ansi_, messageBox_);
};

}  // namespace brenvik::win32
