#include "platform/win32/native_notify_icon_data.h"

#include <cstring>

namespace brenvik::win32 {

#ifdef _WIN64
namespace {
std::uint32_t Field(const std::uint8_t* record, int offset) {
    std::uint32_t value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}
// Window and icon handles always fit in 32 bits; Windows sign-extends them.
template <typename H>
H Widen(std::uint32_t handle) {
    return reinterpret_cast<H>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
}
}  // namespace

NativeNotifyIconData::NativeNotifyIconData(std::uint8_t* record) : native_(&copy_) {
    // The first form: cbSize, hWnd, uID, uFlags, uCallbackMessage, hIcon at 4-byte
    // steps, then the 64 bytes of szTip.
    copy_.cbSize = NOTIFYICONDATAA_V1_SIZE;
    copy_.hWnd = Widen<HWND>(Field(record, 4));
    copy_.uID = Field(record, 8);
    copy_.uFlags = Field(record, 12);
    copy_.uCallbackMessage = Field(record, 16);
    copy_.hIcon = Widen<HICON>(Field(record, 20));
    std::memcpy(copy_.szTip, record + 24, 64);
}
#else
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "the first form is the native layout");
NativeNotifyIconData::NativeNotifyIconData(std::uint8_t* record)
    : native_(reinterpret_cast<NOTIFYICONDATAA*>(record)) {}
#endif

}  // namespace brenvik::win32
