#include "registry/accessor_result.h"

#include <cmath>
#include <limits>

#include "platform/text.h"

namespace brenvik::registry {

std::u16string AsText(const AccessorResult& result) {
    if (const auto* text = std::get_if<std::u16string>(&result)) return *text;
    if (const auto* number = std::get_if<std::int32_t>(&result)) {
        const std::u16string withSignPlace = text::NumberToText(*number);
        return *number < 0 ? withSignPlace
                           : withSignPlace.substr(1);  // no blank in place of the sign
    }
    return {};
}

std::int32_t AsNumber(const AccessorResult& result) {
    if (const auto* number = std::get_if<std::int32_t>(&result)) return *number;
    if (const auto* text = std::get_if<std::u16string>(&result)) {
        const double rounded = text::RoundHalfEven(text::NumberFromText(*text));
        if (std::isfinite(rounded) && rounded >= std::numeric_limits<std::int32_t>::min() &&
            rounded <= std::numeric_limits<std::int32_t>::max())
            return static_cast<std::int32_t>(rounded);
    }
    return 0;
}

}  // namespace brenvik::registry
