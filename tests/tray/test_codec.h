#pragma once
// A small double-byte code page for the tray's tests, the same on both builds:
// ASCII takes one byte, the Japanese block U+3000..U+30FF two (lead byte 0x82, then
// the low byte), and any other character becomes '?'.
#include "platform/ansi.h"

namespace brenvik::testing {

class DoubleByteCodec final : public AnsiCodec {
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
    std::u16string FromAnsi(std::string_view bytes) const override {
        std::u16string text;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            if (byte == kLead && i + 1 < bytes.size()) {
                text += static_cast<char16_t>(0x3000 | static_cast<unsigned char>(bytes[++i]));
            } else {
                text += byte < 0x80 ? static_cast<char16_t>(byte) : u'?';
            }
        }
        return text;
    }
};

}  // namespace brenvik::testing
