// Any text in the interval box gives a whole number of seconds the timer can hold,
// at least one second; what follows the number, and blanks before it, change nothing.
#include "app/refresh_interval.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/fuzz_text.h"

namespace brenvik::fuzz {

void TestOneInput(FuzzedDataProvider& input) {
    const std::u16string text = RemainingText(input);

    const std::int32_t milliseconds = RefreshIntervalMilliseconds(text);
    Expect(milliseconds >= 1000 && milliseconds <= 2147483000,
           "the interval lies between 1 s and the longest");
    Expect(milliseconds % 1000 == 0, "the interval is whole seconds");
    Expect(RefreshIntervalMilliseconds(text + u"x") == milliseconds,
           "a letter after the text changes nothing");
    Expect(RefreshIntervalMilliseconds(u" \t" + text) == milliseconds,
           "blanks before the text change nothing");
}

}  // namespace brenvik::fuzz
