#include "platform/win32/native_notify_icon_data.h"

#include <cstring>

#include "platform/win32/handles.h"

namespace brenvik::win32 {

#ifdef _WIN64
namespace {
std::uint32_t Field(const std::uint8_t* record, int offset) {
    std::uint32_t value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}
}  // namespace

NativeNotifyIconData::NativeNotifyIconData(std::uint8_t* record)
    : native_(reinterpret_cast<NOTIFYICONDATAA*>(&copy_)) {
    // The first form: cbSize, hWnd, uID, uFlags, uCallbackMessage, hIcon at 4-byte
    // steps, then the 64 bytes of szTip.
    copy_.cbSize = sizeof copy_;
    copy_.hWnd = ToHwnd(Field(record, 4));
    copy_.uID = Field(record, 8);
    copy_.uFlags = Field(record, 12);
    copy_.uCallbackMessage = Field(record, 16);
    copy_.hIcon = ToHandle<HICON>(Field(record, 20));
    std::memcpy(copy_.szTip, record + 24, 64);
}
#else
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "the first form is the native layout");
NativeNotifyIconData::NativeNotifyIconData(std::uint8_t* record)
    : native_(reinterpret_cast<NOTIFYICONDATAA*>(record)) {}
#endif

}  // namespace brenvik::win32
