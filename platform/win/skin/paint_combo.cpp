// The frame and drop-down button of a combo box; its field is the system's.

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include "platform/win/skin/drawing.h"
#include "platform/win/skin/painters.h"

namespace tavrin::platform::skin {

void PaintComboBoxParts(HDC dc, HWND window, const SkinnedControl& control,
                        const ColourScheme& scheme) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(window, &info)) {
        return;
    }
    ControlState state = CommonState(window, control);
    // The focus of a drop-down combo box sits in its edit field.
    HWND focus = GetFocus();
    state.focused = focus != nullptr && (focus == window || IsChild(window, focus));

    RECT client{};
    GetClientRect(window, &client);
    const HBRUSH field = state.enabled
                             ? ParentBackground(dc, window, WM_CTLCOLOREDIT, COLOR_WINDOW)
                             : ParentBackground(dc, window, WM_CTLCOLORSTATIC, COLOR_BTNFACE);
    const RECT inner = Inset(client, 1);
    FrameRect(dc, &inner, field);
    FrameSolid(dc, client, scheme.Outline(state));

    const RECT button = info.rcButton;
    if (IsRectEmpty(&button)) {
        return;
    }
    ControlState button_state = state;
    button_state.pressed = (info.stateButton & STATE_SYSTEM_PRESSED) != 0;
    const FaceColours face = scheme.Face(button_state);
    FillGradient(dc, button, face.top, face.bottom);
    FillSolid(dc, {button.left, button.top, button.left + 1, button.bottom}, scheme.Outline(state));
    FillArrow(dc, button, Direction::kDown, face.mark);
}

}  // namespace tavrin::platform::skin
