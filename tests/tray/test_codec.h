#pragma once
// A small double-byte code page for the tray's tests, the same on both builds, in the
// one direction the tray converts: ASCII takes one byte, the Japanese block
// U+3000..U+30FF two (lead byte 0x82, then the low byte), and any other character
// becomes '?'.
#include "platform/ansi.h"

namespace brenvik::testing {

class DoubleByteEncoder final : public AnsiEncoder {
public:
    static constexpr unsigned char kLead = 0x82;

    std::string ToAnsi(std::u16string_view text) const override {
        std::string bytes;
        for (char16_t c : text) {
            if (c < 0x80) {
                bytes += static_cast<char>(c);
            } else if ((c & 0xFF00) == 0x3000) {
                bytes += static_cast<char>(kLead);
                bytes += static_cast<char>(c & 0xFF);
            } else {
                bytes += '?';
            }
        }
        return bytes;
    }
};

}  // namespace brenvik::testing
