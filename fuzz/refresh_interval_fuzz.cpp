// Any text in the interval box gives a whole number of seconds the timer can hold,
// at least one second; what follows the number, and blanks before it, change nothing.
#include "app/refresh_interval.h"
#include "fuzz/fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brenvik;
    using brenvik::fuzz::Expect;
    FuzzedDataProvider input(data, size);
    const std::u16string text = fuzz::RemainingText(input);

    const std::int32_t milliseconds = RefreshIntervalMilliseconds(text);
    Expect(milliseconds >= 1000 && milliseconds <= 2147483000,
           "the interval lies between 1 s and the longest");
    Expect(milliseconds % 1000 == 0, "the interval is whole seconds");
    Expect(RefreshIntervalMilliseconds(text + u"x") == milliseconds,
           "a letter after the text changes nothing");
    Expect(RefreshIntervalMilliseconds(u" \t" + text) == milliseconds,
           "blanks before the text change nothing");
    return 0;
}
