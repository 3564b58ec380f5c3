#pragma once

#include <windows.h>

#include <vector>

namespace tavrin::platform::skin {

// Every window of the calling thread, each top-level window followed by all
// its descendants that belong to the thread, parents before their children.
std::vector<HWND> ThreadWindows();

}  // namespace tavrin::platform::skin
