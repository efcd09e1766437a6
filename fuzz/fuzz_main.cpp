// libFuzzer's entry point, the same for every target: the input as a
// FuzzedDataProvider, handed to the target's TestOneInput.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    brenvik::fuzz::TestOneInput(input);
    return 0;
}
