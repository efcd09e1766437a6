#include "bench/allocation_counter.h"

#include <cstdlib>
#include <new>

// glibc's own allocator, under the names it exports for programs that wrap it.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
}

namespace {
// Benchmarks run on one thread; the counts are read around the timed loop.
std::size_t newCalls = 0;
std::size_t mallocCalls = 0;

void* New(std::size_t size) {
    ++newCalls;
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}
}  // namespace

std::size_t brenvik::bench::NewCount() { return newCalls; }
std::size_t brenvik::bench::MallocCount() { return mallocCalls; }

extern "C" {
void* malloc(std::size_t size) noexcept {
    ++mallocCalls;
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) noexcept {
    ++mallocCalls;
    return __libc_calloc(count, size);
}
void* realloc(void* block, std::size_t size) noexcept {
    ++mallocCalls;
    return __libc_realloc(block, size);
}
}

void* operator new(std::size_t size) { return New(size); }
void* operator new[](std::size_t size) { return New(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
