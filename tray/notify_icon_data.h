#pragma once
// The shell's NOTIFYICONDATA record in its first, ANSI form: 88 bytes, little-endian,
// kept as that byte layout so that the shell reads exactly what the control wrote.
#include <array>
#include <cstdint>
#include <string_view>

#include "platform/ansi.h"
#include "platform/shell_api.h"

namespace brenvik {

class NotifyIconData {
public:
    static constexpr int kTipSize = 64;  // bytes of szTip, its NUL included
    using TipField = std::array<std::uint8_t, kTipSize>;

    void SetCbSize(std::uint32_t value) { Store(0, value); }
    void SetHWnd(std::uint32_t value) { Store(4, value); }
    void SetUId(std::uint32_t value) { Store(8, value); }
    void SetUFlags(std::uint32_t value) { Store(12, value); }
    void SetUCallbackMessage(std::uint32_t value) { Store(16, value); }
    void SetHIcon(std::uint32_t value) { Store(20, value); }
    void SetSzTip(const TipField& tip);

    // The record as the shell takes it.
    std::uint8_t* Bytes() { return bytes_.data(); }

private:
    void Store(int offset, std::uint32_t value);

    std::array<std::uint8_t, win::kNotifyIconDataSize> bytes_{};  // all zero before the first add
};

// The tip as szTip holds it: the text in the ANSI code page, one NUL, then spaces up
// to the 64th byte. A text whose ANSI form would not leave room for the NUL is cut
// (at 63 characters, then character by character, never inside a character), so
// the shell always finds the end of the tip.
NotifyIconData::TipField MakeTipField(const AnsiEncoder& ansi, std::u16string_view tip);

}  // namespace brenvik
