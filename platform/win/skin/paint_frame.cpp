// The border of edit boxes and of the lists of combo boxes.

#include <algorithm>

#include "platform/win/skin/drawing.h"
#include "platform/win/skin/painters.h"

namespace tavrin::platform::skin {
namespace {

// The rings of the border, the width the window's styles gave it; any
// scroll bars lie inside them.
int BorderThickness(HWND window) {
    RECT outer{};
    RECT client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return std::min(client.left - outer.left, client.top - outer.top);
}

// What fills the field, as the control itself asks its parent for it.
HBRUSH FieldBackground(HDC dc, HWND window, const SkinnedControl& control, bool enabled) {
    // The list's parent is the desktop, not the combo box that owns it.
    if (control.kind == ControlKind::kComboList) {
        return GetSysColorBrush(COLOR_WINDOW);
    }
    const bool read_only = (GetWindowLongW(window, GWL_STYLE) & ES_READONLY) != 0;
    if (!enabled || read_only) {
        return ParentBackground(dc, window, WM_CTLCOLORSTATIC, COLOR_BTNFACE);
    }
    return ParentBackground(dc, window, WM_CTLCOLOREDIT, COLOR_WINDOW);
}

}  // namespace

void PaintBorder(HDC dc, HWND window, const SkinnedControl& control, const ColourScheme& scheme) {
    const int thickness = BorderThickness(window);
    if (thickness <= 0) {
        return;  // a borderless field, such as the one inside a combo box
    }
    RECT outer{};
    GetWindowRect(window, &outer);
    OffsetRect(&outer, -outer.left, -outer.top);

    const ControlState state = CommonState(window, control);
    if (thickness > 1) {
        const HBRUSH field = FieldBackground(dc, window, control, state.enabled);
        for (int ring = 1; ring < thickness; ++ring) {
            const RECT r = Inset(outer, ring);
            FrameRect(dc, &r, field);
        }
    }
    FrameSolid(dc, outer, scheme.Outline(state));
}

}  // namespace tavrin::platform::skin
