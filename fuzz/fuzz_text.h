#pragma once
// Program texts made from fuzz input, and the check that ends a run on a broken rule.
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace brenvik::fuzz {

// The rest of the input as a text: byte by byte (so the fuzzer finds "HKEY_" and
// digits easily), or as UTF-16 code units, surrogates included, as the byte says.
inline std::u16string RemainingText(FuzzedDataProvider& input) {
    const bool wide = input.ConsumeBool();
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    std::u16string text;
    if (wide) {
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                          static_cast<unsigned char>(bytes[i + 1]) << 8);
    } else {
        for (unsigned char byte : bytes) text += static_cast<char16_t>(byte);
    }
    return text;
}

// A text of at most maxLength bytes taken byte by byte.
inline std::u16string ShortText(FuzzedDataProvider& input, std::size_t maxLength) {
    const std::string bytes = input.ConsumeRandomLengthString(maxLength);
    return std::u16string(bytes.begin(), bytes.end());
}

// A broken rule: libFuzzer keeps the input that led here as a crash.
[[noreturn]] inline void Broken(const char* rule) {
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}
inline void Expect(bool holds, const char* rule) {
    if (!holds) Broken(rule);
}

}  // namespace brenvik::fuzz
