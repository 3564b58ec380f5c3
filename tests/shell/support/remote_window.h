#pragma once
// Reading the windows of another process, as a user's tools would: through
// messages and the window manager, never through its memory.

#include <windows.h>

#include <string>
#include <vector>

namespace tavrin::test {

// A control found by its place in the parent's client area.
struct ChildInfo {
    HWND window = nullptr;
    RECT place{};  // client coordinates of the parent
    std::wstring className;
};

std::vector<ChildInfo> ChildrenOf(HWND parent);
HWND ChildAt(HWND parent, const RECT& place);

std::wstring WideTextOf(HWND window);
std::string AnsiTextOf(HWND window);  // bytes in the other process's code page

// The window that has the keyboard focus in `window`'s thread.
HWND FocusOf(HWND window);

// True once `window`'s thread has handled a message sent now, that is, once
// it is back in its message loop.
bool Responds(HWND window, DWORD limitMs = 120000);

// The screen point at the centre of a control, or at a point of the parent's
// client area.
POINT ScreenCentreOf(HWND window);
POINT ClientToScreenPoint(HWND parent, POINT client);

}  // namespace tavrin::test
