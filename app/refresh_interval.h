#pragma once
// The refresh interval: whole seconds read from the text box, as timer milliseconds.
#include <cstdint>
#include <string_view>

namespace brenvik {

// Seconds are the number the text begins with, rounded half to even. None, or a
// result of 0 or below, means the default of 3 seconds; seconds beyond what the
// timer can hold are held at the longest interval, 2,147,483 seconds.
std::int32_t RefreshIntervalMilliseconds(std::u16string_view secondsText);

}  // namespace brenvik
