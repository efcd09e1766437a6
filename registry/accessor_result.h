#pragma once
// What RegRoutine's value and key operations return: nothing, a text, or a 32-bit
// signed number.
#include <cstdint>
#include <string>
#include <variant>

namespace brenvik::registry {

using AccessorResult = std::variant<std::monostate, std::u16string, std::int32_t>;

// The result taken as a text: empty reads as "", a number as its decimal digits
// (a minus sign when negative, no blank).
std::u16string AsText(const AccessorResult& result);

// The result taken as a number: empty reads as 0; a text as the whole number it
// begins with (halves to even), or 0 when it begins with none or that number does
// not fit in 32 bits.
std::int32_t AsNumber(const AccessorResult& result);

}  // namespace brenvik::registry
