#pragma once
// Timing for the benchmarks under Wine: the performance counter, and the median of
// several rounds, which a busy moment of the shared machine moves less than a mean.
#include <windows.h>

#include <algorithm>
#include <vector>

namespace brenvik::winbench {

class Stopwatch {
public:
    Stopwatch() { ::QueryPerformanceCounter(&start_); }
    double ElapsedNanoseconds() const {
        LARGE_INTEGER now, frequency;
        ::QueryPerformanceCounter(&now);
        ::QueryPerformanceFrequency(&frequency);
        return double(now.QuadPart - start_.QuadPart) * 1e9 / double(frequency.QuadPart);
    }

private:
    LARGE_INTEGER start_;
};

template <class Work>
double NanosecondsOf(Work&& work) {
    const Stopwatch stopwatch;
    work();
    return stopwatch.ElapsedNanoseconds();
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace brenvik::winbench
