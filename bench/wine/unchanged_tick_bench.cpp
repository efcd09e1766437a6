// The unchanged tick under Wine: Form1::Timer1_Timer with the title and prefix of
// the last publication (what the program does almost all the time), against its
// floor, the two calls no tick can do without: find the player, read its title.
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "bench/wine/report.h"
#include "bench/wine/running_form1.h"

namespace brenvik::winbench {
namespace {

constexpr int kIterations = 2000;
constexpr int kRounds = 21;

int Run() {
    RunningForm1 running(L"12. Some Artist - A Song Title - Winamp", L"Listening to: ");
    const std::u16string published = running.Form().PublishedStatus();
    char title[260];
    const auto ticks = [&] {
        for (int i = 0; i < kIterations; ++i) running.Form().Timer1_Timer();
    };
    const auto floors = [&] {
        for (int i = 0; i < kIterations; ++i) ReadPlayerTitle(running.Api(), title);
    };
    ticks();  // anything made on first use is made now
    floors();

    Measured program{"Form1::Timer1_Timer, nothing to publish", {}};
    Measured floor{"floor: FindWindowA + GetWindowTextA (Win32Api)", {}};
    for (int round = 0; round < kRounds; ++round) {
        // Turn about, so that neither always runs on the heels of the other.
        if (round % 2 == 0) {
            program.nanosecondsPerIteration.push_back(NanosecondsOf(ticks) / kIterations);
            floor.nanosecondsPerIteration.push_back(NanosecondsOf(floors) / kIterations);
        } else {
            floor.nanosecondsPerIteration.push_back(NanosecondsOf(floors) / kIterations);
            program.nanosecondsPerIteration.push_back(NanosecondsOf(ticks) / kIterations);
        }
        running.Pump();
    }
    if (running.Form().PublishedStatus() != published)
        throw std::runtime_error("an unchanged tick published");

    std::printf("Unchanged tick: %d rounds of %d iterations, each loop in turn\n", kRounds,
                kIterations);
    PrintAgainstFloor(program, floor, 1.10);
    return 0;
}

}  // namespace
}  // namespace brenvik::winbench

int main() {
    return brenvik::winbench::RunReported("unchanged tick benchmark", brenvik::winbench::Run);
}
