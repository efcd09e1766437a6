#include "tray/notify_icon_data.h"

#include <algorithm>
#include <string>

namespace brenvik {

namespace {
constexpr int kSzTipOffset = 24;
constexpr std::size_t kMaxTipBytes = NotifyIconData::kTipSize - 1;

bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// Drops the last character, both halves of a surrogate pair together.
void DropLastCharacter(std::u16string& text) {
    const bool pair =
        text.size() >= 2 && IsLowSurrogate(text.back()) && IsHighSurrogate(text[text.size() - 2]);
    text.resize(text.size() - (pair ? 2 : 1));
}
}  // namespace

void NotifyIconData::Store(int offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void NotifyIconData::SetSzTip(const TipField& tip) {
    std::ranges::copy(tip, bytes_.begin() + kSzTipOffset);
}

NotifyIconData::TipField MakeTipField(const AnsiEncoder& ansi, std::u16string_view tip) {
    std::u16string text(tip.substr(0, kMaxTipBytes));
    if (tip.size() > kMaxTipBytes && IsHighSurrogate(text.back()))
        text.pop_back();  // the cut split a pair
    std::string bytes = ansi.ToAnsi(text);
    // A double-byte code page may need more bytes than characters.
    while (bytes.size() > kMaxTipBytes) {
        DropLastCharacter(text);
        bytes = ansi.ToAnsi(text);
    }
    NotifyIconData::TipField field;
    field.fill(' ');
    std::ranges::copy(bytes, field.begin());
    field[bytes.size()] = 0;
    return field;
}

}  // namespace brenvik
