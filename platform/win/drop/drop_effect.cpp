#include "platform/win/drop/drop_effect.h"

#include <ole2.h>

#include <initializer_list>

namespace tavrin::platform {

DWORD ChooseDropEffect(bool acceptable, DWORD keyState, DWORD allowedEffects) {
    if (!acceptable) {
        return DROPEFFECT_NONE;
    }
    const bool control = (keyState & MK_CONTROL) != 0;
    const bool shift = (keyState & MK_SHIFT) != 0;
    const auto allowedOrNone = [allowedEffects](DWORD effect) {
        return (allowedEffects & effect) != 0 ? effect : DROPEFFECT_NONE;
    };
    if (control && shift) {
        return DROPEFFECT_NONE;
    }
    if (control) {
        return allowedOrNone(DROPEFFECT_COPY);
    }
    if (shift) {
        return allowedOrNone(DROPEFFECT_MOVE);
    }
    for (const DWORD effect : {DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_LINK}) {
        if ((allowedEffects & effect) != 0) {
            return effect;
        }
    }
    return DROPEFFECT_NONE;
}

}  // namespace tavrin::platform
