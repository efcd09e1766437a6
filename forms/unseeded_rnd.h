#pragma once
// The pseudo-random generator of a program that never seeds it: the classic 24-bit
// linear congruential generator, starting from the same state at every run, so the
// numbers it gives are the same from run to run.
#include <cstdint>

namespace brenvik {

class UnseededRnd {
public:
    // The next number, uniform in [0, 1), in steps of 2^-24.
    double Next() {
        state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
        return static_cast<double>(state_) / 16777216.0;
    }

private:
    std::uint32_t state_ = 0x50000u;
};

}  // namespace brenvik
