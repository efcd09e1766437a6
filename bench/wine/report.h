#pragma once
// The figures a benchmark prints: the program's time and its floor's, side by side.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <vector>

#include "bench/wine/timing.h"

namespace brenvik::winbench {

struct Measured {
    const char* what;
    std::vector<double> nanosecondsPerIteration;  // one figure a round
};

inline void PrintLine(const Measured& m) {
    const auto [least, most] =
        std::minmax_element(m.nanosecondsPerIteration.begin(), m.nanosecondsPerIteration.end());
    std::printf("  %-62s median %9.0f ns/iteration (rounds %.0f to %.0f)\n", m.what,
                Median(m.nanosecondsPerIteration), *least, *most);
}

inline void PrintAgainstFloor(const Measured& program, const Measured& floor, double target) {
    const double programMedian = Median(program.nanosecondsPerIteration);
    const double floorMedian = Median(floor.nanosecondsPerIteration);
    PrintLine(program);
    PrintLine(floor);
    std::printf("  ratio %.3f of the floor (target: at most %.2f)\n", programMedian / floorMedian,
                target);
}

// Runs a benchmark's body; a failure of its set-up is printed under the benchmark's name.
inline int RunReported(const char* benchmark, int (*run)()) {
    try {
        return run();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s: %s\n", benchmark, failure.what());
        return 1;
    }
}

}  // namespace brenvik::winbench
