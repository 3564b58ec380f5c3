#include "platform/win/skin/skin.h"

#include <windows.h>

#include "platform/win/skin/colour_scheme.h"
#include "platform/win/skin/skin_probe.h"
#include "platform/win/skin/skin_state.h"
#include "platform/win/skin/subclass_proc.h"

namespace tavrin::platform {

void SetSkinStyle(int style) {
    skin::SwitchOff();
    if (const auto scheme = skin::SchemeForStyle(style)) {
        skin::SwitchOn(*scheme);
    }
}

bool IsSkinned(HWND window) {
    // The skin's own record, not comctl32: 64-bit import libraries lack
    // GetWindowSubclass, and the record is what WM_DESTROY releases.
    return window != nullptr && skin::FindSkinned(window) != nullptr;
}

namespace skin {

int SkinLayerCount(HWND window) {
    return static_cast<int>(SendMessageW(window, SkinLayerCountMessage(), 0, 0));
}

std::size_t SkinnedWindowTotal() {
    return SkinnedWindowCount();
}

}  // namespace skin
}  // namespace tavrin::platform
