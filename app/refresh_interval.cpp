#include "app/refresh_interval.h"

#include "platform/text.h"

namespace brenvik {

namespace {
constexpr double kDefaultSeconds = 3;
constexpr double kLongestSeconds = 2147483;  // 2,147,483,000 ms still fits the timer's 32 bits
}  // namespace

std::int32_t RefreshIntervalMilliseconds(std::u16string_view secondsText) {
    double seconds = text::RoundHalfEven(text::NumberFromText(secondsText));
    if (!(seconds > 0)) seconds = kDefaultSeconds;  // also catches a NaN
    if (seconds > kLongestSeconds) seconds = kLongestSeconds;
    return static_cast<std::int32_t>(seconds) * 1000;
}

}  // namespace brenvik
