#pragma once
// What the tests ask the skin beyond its public interface.

#include <windows.h>

#include <cstddef>

namespace tavrin::platform::skin {

// How many times the skin's subclass sits on `window`: 1 while skinned.
int SkinLayerCount(HWND window);

// How many windows the skin holds a record for.
std::size_t SkinnedWindowTotal();

}  // namespace tavrin::platform::skin
