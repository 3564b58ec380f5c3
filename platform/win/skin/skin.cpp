#include "platform/win/skin/skin.h"

#include <windows.h>

#include <commctrl.h>

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
    DWORD_PTR data = 0;
    return window != nullptr &&
           GetWindowSubclass(window, skin::SkinSubclassProc, skin::kSkinSubclassId, &data) != FALSE;
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
