#pragma once
// Text and number services shared by every part of the program.
#include <cstdint>
#include <string>
#include <string_view>

namespace brenvik::text {

// The decimal number with which a text begins: leading blanks skipped, an optional
// sign, digits with an optional point and fraction. Anything after it is ignored
// (an exponent or a hexadecimal prefix ends the number); 0 when there is none.
// Digits beyond a double's range give an infinity of the right sign.
double NumberFromText(std::u16string_view text);

// The nearest whole number, halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// A number in decimal, with a leading blank in place of the sign when not negative.
std::u16string NumberToText(std::int32_t value);

// The text without spaces (code 32 only) at either end.
std::u16string TrimSpaces(std::u16string_view text);

}  // namespace brenvik::text
