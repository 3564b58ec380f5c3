#pragma once
#include <windows.h>

namespace tavrin::platform {

// The effect a drop target answers with, from whether the data is wanted, the
// Shift and Ctrl bits of the key state and the effects the source allows.
// Ctrl+Shift asks for a link, which is never granted through the keys.
DWORD ChooseDropEffect(bool acceptable, DWORD keyState, DWORD allowedEffects);

}  // namespace tavrin::platform
