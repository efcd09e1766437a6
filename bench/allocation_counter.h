#pragma once
// Counts the heap allocations of this benchmark program, which replaces the global
// operator new (every C++ allocation, std::string's included) and wraps the C
// allocator (which also sees what C libraries such as iconv allocate).
#include <cstddef>

namespace brenvik::bench {

std::size_t NewCount();     // calls of operator new and new[]
std::size_t MallocCount();  // calls of malloc, calloc and realloc, new's included

}  // namespace brenvik::bench
