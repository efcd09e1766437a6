#include "platform/text.h"

#include <cmath>

namespace brenvik::text {

namespace {
bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
}  // namespace

double NumberFromText(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    // The value is digits x 10^scale. Digits beyond the 19th only move the scale (of
    // the whole part) or are dropped (of the fraction): a double holds fewer anyway.
    constexpr std::uint64_t kRoomForADigit = 1'000'000'000'000'000'000ull;
    std::uint64_t digits = 0;
    int scale = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (digits < kRoomForADigit)
            digits = digits * 10 + (text[i] - u'0');
        else
            ++scale;
    }
    if (i < text.size() && text[i] == u'.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            if (digits < kRoomForADigit) {
                digits = digits * 10 + (text[i] - u'0');
                --scale;
            }
        }
    }
    // One correctly rounded operation: a half such as 2.5 comes out exact.
    double value = static_cast<double>(digits);
    if (digits != 0 && scale != 0)
        value = scale > 0 ? value * std::pow(10.0, scale) : value / std::pow(10.0, -scale);
    return negative ? -value : value;
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

}  // namespace brenvik::text
