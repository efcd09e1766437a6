#pragma once
// The notification area (shell32): Shell_NotifyIconA with the first, ANSI form of its
// record.
#include <cstdint>

namespace brenvik {

namespace win {
// The shell tells an icon's owner of the mouse with the mouse messages, from this one.
constexpr std::uint32_t kWmMouseMove = 0x200;

// What Shell_NotifyIconA is asked to do with the icon.
constexpr std::uint32_t kNimAdd = 0;
constexpr std::uint32_t kNimModify = 1;
constexpr std::uint32_t kNimDelete = 2;
// Which of the record's fields the call carries (uFlags).
constexpr std::uint32_t kNifMessage = 1;
constexpr std::uint32_t kNifIcon = 2;
constexpr std::uint32_t kNifTip = 4;

// The first, ANSI form of NOTIFYICONDATA: 88 bytes, little-endian.
constexpr int kNotifyIconDataSize = 88;
}  // namespace win

class ShellApi {
public:
    virtual ~ShellApi() = default;
    // `notifyIconData` is the 88-byte record.
    virtual bool Shell_NotifyIconA(std::uint32_t message, std::uint8_t* notifyIconData) = 0;
};

}  // namespace brenvik
