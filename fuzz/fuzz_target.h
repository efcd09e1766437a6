#pragma once
// The one function each fuzz target defines. fuzz/fuzz_main.cpp, built into every
// target, is libFuzzer's entry point: it hands each input to it.
#include <fuzzer/FuzzedDataProvider.h>

namespace brenvik::fuzz {

// One input: the target draws what it needs from it and checks its rules with Expect
// (fuzz_text.h), which ends the run at a broken one.
void TestOneInput(FuzzedDataProvider& input);

}  // namespace brenvik::fuzz
