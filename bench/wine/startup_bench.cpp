// Start-up and memory of Brenvik.exe against a minimal windowed program, both from
// this program's folder, started in turn: the time from CreateProcess until the
// window is visible (looked for every millisecond), then, once the program waits for
// input, its peak working set and peak pagefile usage, read just before it is ended.
// Brenvik finds no player here, so its start-up publishes nothing. A third program,
// the minimal one loading the DLLs that only Brenvik imports, shows what they cost.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "app/form1_identity.h"
#include "bench/wine/report.h"
#include "bench/wine/timing.h"
#include "bench/wine/visible_window.h"
#include "tests/support/child_process.h"

namespace brenvik::winbench {
namespace {

constexpr int kStarts = 15;  // of each program

struct Program {
    const wchar_t* file;
    const wchar_t* arguments;
    const wchar_t* windowClass;
    const wchar_t* title;
    const char* name;
    std::vector<double> startMilliseconds{}, peakWorkingSetKb{}, peakPagefileKb{};
};

void StartOnce(Program& program) {
    const Stopwatch stopwatch;
    testing::ChildProcess child(program.file, program.arguments);
    if (WaitForVisibleWindow(program.windowClass, program.title, 30000) == nullptr)
        throw std::runtime_error("a program's window did not show");
    program.startMilliseconds.push_back(stopwatch.ElapsedNanoseconds() / 1e6);

    ::WaitForInputIdle(child.Handle(), 10000);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (!::GetProcessMemoryInfo(child.Handle(), &memory, sizeof memory))
        throw std::runtime_error("can't read a program's memory counters");
    program.peakWorkingSetKb.push_back(double(memory.PeakWorkingSetSize) / 1024);
    program.peakPagefileKb.push_back(double(memory.PeakPagefileUsage) / 1024);
}

int Run() {
    Program brenvik{L"Brenvik.exe", L"", form1::WideWindowClass(), form1::WideCaption(),
                    "Brenvik.exe"};
    // Brenvik runs once per user session: beside a running one, each start would only
    // bring that one's window forward, and its window would be timed.
    if (::FindWindowW(brenvik.windowClass, brenvik.title) != nullptr)
        throw std::runtime_error("a Brenvik is already running in this user session");
    Program minimal{L"minimal_window.exe", L"", L"MinimalWindow", L"Minimal", "minimal_window.exe"};
    // Where the difference comes from: the minimal program with the DLLs that only
    // Brenvik imports loaded first.
    Program withDlls{L"minimal_window.exe", L"advapi32.dll gdi32.dll comctl32.dll shell32.dll",
                     L"MinimalWindow", L"Minimal", "minimal + its DLLs"};
    StartOnce(minimal);  // the first start of all loads what later ones find loaded
    minimal.startMilliseconds.clear();
    minimal.peakWorkingSetKb.clear();
    minimal.peakPagefileKb.clear();
    Program* const order[] = {&brenvik, &minimal, &withDlls};
    for (int i = 0; i < kStarts; ++i) {
        for (int j = 0; j < 3; ++j) StartOnce(*order[(i + j) % 3]);  // each goes first in turn
    }

    std::printf(
        "Start-up to a visible window, and peak memory: %d starts of each, each first in turn "
        "(medians)\n",
        kStarts);
    std::printf("  %-20s %14s %20s %20s\n", "", "start-up ms", "peak working set KB",
                "peak pagefile KB");
    for (const Program* p : order)
        std::printf("  %-20s %14.1f %20.0f %20.0f\n", p->name, Median(p->startMilliseconds),
                    Median(p->peakWorkingSetKb), Median(p->peakPagefileKb));
    std::printf("  %-20s %14.3f %20.3f %20.3f\n", "ratio",
                Median(brenvik.startMilliseconds) / Median(minimal.startMilliseconds),
                Median(brenvik.peakWorkingSetKb) / Median(minimal.peakWorkingSetKb),
                Median(brenvik.peakPagefileKb) / Median(minimal.peakPagefileKb));
    std::printf("  targets: start-up at most 1.30, peak memory at most 1.20\n");
    return 0;
}

}  // namespace
}  // namespace brenvik::winbench

int main() { return brenvik::winbench::RunReported("start-up benchmark", brenvik::winbench::Run); }
