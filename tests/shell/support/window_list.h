#pragma once
// Windows as the window manager lists them, taken as a list at once so a
// test can filter them with plain loops.

#include <windows.h>

#include <vector>

namespace tavrin::test {

namespace window_list_detail {
inline BOOL CALLBACK Append(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}
}  // namespace window_list_detail

inline std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(window_list_detail::Append, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Children, grandchildren and so on, of `parent`.
inline std::vector<HWND> DescendantWindows(HWND parent) {
    std::vector<HWND> windows;
    EnumChildWindows(parent, window_list_detail::Append, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

}  // namespace tavrin::test
