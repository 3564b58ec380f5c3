#include "platform/win/skin/thread_windows.h"

namespace tavrin::platform::skin {
namespace {

struct Collection {
    std::vector<HWND> windows;
    DWORD thread;
    bool failed = false;
};

BOOL CALLBACK CollectDescendant(HWND window, LPARAM context) {
    auto& collection = *reinterpret_cast<Collection*>(context);
    // A child of another thread cannot be subclassed from this one.
    if (GetWindowThreadProcessId(window, nullptr) != collection.thread) {
        return TRUE;
    }
    try {
        collection.windows.push_back(window);
    } catch (...) {
        collection.failed = true;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context) {
    CollectDescendant(window, context);
    // EnumChildWindows walks the whole subtree, grandchildren included.
    EnumChildWindows(window, CollectDescendant, context);
    return reinterpret_cast<Collection*>(context)->failed ? FALSE : TRUE;
}

}  // namespace

std::vector<HWND> ThreadWindows() {
    Collection collection{{}, GetCurrentThreadId()};
    EnumThreadWindows(collection.thread, CollectTopLevel, reinterpret_cast<LPARAM>(&collection));
    return std::move(collection.windows);
}

}  // namespace tavrin::platform::skin
