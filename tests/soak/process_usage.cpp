#include "tests/soak/process_usage.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>

namespace brenvik::soak {

namespace {
// Handle values are multiples of 4; a process of ours holds far fewer than 4096.
constexpr ULONG_PTR kHandleValues = 4 * 4096;
// Wine numbers its GDI objects by their table index, in the handle's low word.
constexpr ULONG_PTR kGdiValues = 0x10000;

DWORD HandlesAnswering() {
    DWORD count = 0;
    for (ULONG_PTR value = 4; value < kHandleValues; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    }
    return count;
}

DWORD GdiObjectsAnswering() {
    DWORD count = 0;
    for (ULONG_PTR value = 1; value < kGdiValues; ++value) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0) ++count;
    }
    return count;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<DWORD*>(count);
    return TRUE;
}

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return TRUE;
    ++*reinterpret_cast<DWORD*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

DWORD OwnWindows() {
    DWORD count = 0;
    EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

DWORD GuiObjects(DWORD kind, DWORD (*countHere)()) {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), kind);
    return counted != 0 ? counted : countHere();
}
}  // namespace

Usage ProcessUsage() {
    Usage usage;
    if (!GetProcessHandleCount(GetCurrentProcess(), &usage.handles) || usage.handles == 0)
        usage.handles = HandlesAnswering();
    usage.userObjects = GuiObjects(GR_USEROBJECTS, OwnWindows);
    usage.gdiObjects = GuiObjects(GR_GDIOBJECTS, GdiObjectsAnswering);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    usage.privateBytes = memory.PrivateUsage;
    usage.pagefileBytes = memory.PagefileUsage;
    return usage;
}

void Print(const char* when, const Usage& usage) {
    std::printf(
        "%-27s handles %4lu  USER objects %4lu  GDI objects %4lu  private KB %6lu  pagefile KB "
        "%6lu\n",
        when, usage.handles, usage.userObjects, usage.gdiObjects,
        static_cast<unsigned long>(usage.privateBytes / 1024),
        static_cast<unsigned long>(usage.pagefileBytes / 1024));
}

}  // namespace brenvik::soak
