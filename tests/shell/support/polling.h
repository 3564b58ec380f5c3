#pragma once
// Waiting for another process: poll a condition with a generous limit, since
// Wine on a loaded machine can be slow, instead of sleeping a fixed time.

#include <windows.h>

#include <chrono>

namespace tavrin::test {

inline constexpr std::chrono::milliseconds kPatience{120000};

// True as soon as `condition` holds; false when it still fails at the limit.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds limit = kPatience) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        Sleep(5);
    }
}

}  // namespace tavrin::test
