#pragma once
// A kernel handle the tests open themselves, closed when it goes.

#include <windows.h>

#include <memory>

namespace tavrin::test {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using ScopedHandle = std::unique_ptr<void, HandleCloser>;

// Takes what CreateFileA returned; empty when it failed.
inline ScopedHandle TakeFileHandle(HANDLE raw) {
    return ScopedHandle(raw == INVALID_HANDLE_VALUE ? nullptr : raw);
}

}  // namespace tavrin::test
