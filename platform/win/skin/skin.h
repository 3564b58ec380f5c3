#pragma once
// The skin: while it is on, the push buttons, check boxes, radio buttons,
// group boxes, edit boxes, drop-down combo boxes and up-down controls of the
// UI thread are painted in one colour scheme; every other control keeps the
// system look.

#include <windows.h>

namespace tavrin::platform {
// Switches the skin on with colour scheme 1, 2 or 3, or off with any other
// style. Switching on first removes any skin applied before. UI thread only.
void SetSkinStyle(int style);

// True while the skin paints `window`.
bool IsSkinned(HWND window);
}  // namespace tavrin::platform
