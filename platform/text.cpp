#include "platform/text.h"

#include <cmath>
#include <cstdlib>

namespace brenvik::text {

namespace {
bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
}  // namespace

double NumberFromText(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    // Gather the number's characters and let strtod do the exact decimal conversion
    // (the program never changes the C locale, so the point is ".").
    std::string number;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) number += static_cast<char>(text[i++]);
    for (; i < text.size() && IsDigit(text[i]); ++i) number += static_cast<char>(text[i]);
    if (i < text.size() && text[i] == u'.') {
        number += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i) number += static_cast<char>(text[i]);
    }
    return std::strtod(number.c_str(), nullptr);  // 0 when nothing was gathered
}

double RoundHalfEven(double value) {
    return std::nearbyint(value);  // the default rounding mode rounds halves to even
}

std::u16string NumberToText(std::int32_t value) {
    std::u16string digits;
    std::int64_t magnitude = value < 0 ? -static_cast<std::int64_t>(value) : value;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    return (value < 0 ? u"-" : u" ") + digits;
}

std::u16string TrimSpaces(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    const auto last = text.find_last_not_of(u' ');
    return std::u16string(text.substr(first, last - first + 1));
}

std::u16string FromAscii(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

}  // namespace brenvik::text
