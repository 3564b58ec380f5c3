#pragma once
// Sees the allocations a piece of code makes: this test program replaces
// the global operator new, so every allocation passes through it.

#include <cstddef>
#include <cstdint>

namespace tavrin::test {

struct Allocations {
    std::size_t largest = 0;
    std::uint64_t total = 0;  // bytes, freed or not
};

void StartWatchingAllocations();
Allocations StopWatchingAllocations();

template <typename Run>
Allocations AllocationsOf(Run run) {
    StartWatchingAllocations();
    run();
    return StopWatchingAllocations();
}

}  // namespace tavrin::test
