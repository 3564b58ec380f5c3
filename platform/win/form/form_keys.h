#pragma once
// The keys a form handles itself, whichever of its controls has the focus:
// Esc closes the window, Tab and Shift+Tab walk the tab ring, and Enter and
// F1 do nothing (no default button, no help).

#include <windows.h>

namespace tavrin::platform {

enum class KeyAction { kPassOn, kClose, kFocusNext, kFocusPrevious, kSwallow };

struct HeldKeys {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

KeyAction ActionForKey(UINT virtualKey, HeldKeys held);

// Applies the form keys to a message taken from the queue. True when the
// message was a form key and must not be dispatched.
bool HandleFormKey(const MSG& message);

}  // namespace tavrin::platform
