#include "tests/hardening/allocation_watch.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> g_watching{false};
std::atomic<std::size_t> g_largest{0};
std::atomic<std::uint64_t> g_total{0};

}  // namespace

namespace tavrin::test {

void StartWatchingAllocations() {
    g_largest = 0;
    g_total = 0;
    g_watching = true;
}

Allocations StopWatchingAllocations() {
    g_watching = false;
    return {g_largest, g_total};
}

}  // namespace tavrin::test

// All plain forms are replaced together, so that each delete meets the
// allocator of its new.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    if (g_watching) {
        g_total += size;
        if (size > g_largest) {
            g_largest = size;
        }
    }
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new(std::size_t size) {
    if (void* memory = operator new(size, std::nothrow)) {
        return memory;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return operator new(size, std::nothrow);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
