#pragma once
// What this process holds: handles, USER and GDI objects, memory.
#include <windows.h>

namespace brenvik::soak {

struct Usage {
    DWORD handles = 0;
    DWORD userObjects = 0;
    DWORD gdiObjects = 0;
    SIZE_T privateBytes = 0;   // Wine 8 leaves it 0
    SIZE_T pagefileBytes = 0;  // Wine 8 gives the process's committed private memory
};

// Windows counts the handles and objects itself. Wine 8 counts none of them (it
// answers 0), so there they are counted here: the handles that answer
// GetHandleInformation, this process's windows (the USER objects a program leaks
// most), and the GDI objects that answer GetObjectType when asked by their table
// index alone, which Wine takes for any generation.
Usage ProcessUsage();

void Print(const char* when, const Usage& usage);

}  // namespace brenvik::soak
