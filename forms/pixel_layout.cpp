#include "forms/pixel_layout.h"

#include <cstdint>

namespace brenvik::forms {

int TwipsToPixels(int twips, int dpi) {
    const std::int64_t scaled = static_cast<std::int64_t>(twips) * dpi;
    const std::int64_t inch = kTwipsPerInch, half = inch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / inch : -((-scaled + half) / inch));
}

PixelRect PixelsOf(const TwipsRect& twips, int dpi) {
    return {TwipsToPixels(twips.left, dpi), TwipsToPixels(twips.top, dpi),
            TwipsToPixels(twips.width, dpi), TwipsToPixels(twips.height, dpi)};
}

}  // namespace brenvik::forms
