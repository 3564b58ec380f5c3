#pragma once
// The skin's one state on the UI thread: the colour scheme in use, the
// creation hook, and the windows taken over.

#include <windows.h>

#include <cstddef>

#include "platform/win/skin/colour_scheme.h"
#include "platform/win/skin/skinned_control.h"

namespace tavrin::platform::skin {

// Releases every window and the hook and forgets the scheme; each window
// released is repainted in the system look.
void SwitchOff();
// Takes over every handled window of the thread and those created later.
void SwitchOn(const ColourScheme& scheme);

// The scheme in use; only called while the skin is on.
const ColourScheme& CurrentScheme();

// The record of a skinned window, or null. The pointer is good until the
// next message is sent or a window is taken over or released.
SkinnedControl* FindSkinned(HWND window);

// Removes the skin from one window, as it goes away.
void ReleaseWindow(HWND window);

std::size_t SkinnedWindowCount();

}  // namespace tavrin::platform::skin
