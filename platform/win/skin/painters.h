#pragma once
// How each kind of control looks. Every painter reads the control's state
// from the control itself and from `control`, the skin's own record.

#include <windows.h>

#include "platform/win/skin/colour_scheme.h"
#include "platform/win/skin/skinned_control.h"

namespace tavrin::platform::skin {

// Push buttons, check boxes, radio buttons and group boxes: the whole
// client area of `window` onto `dc`.
void PaintButton(HDC dc, HWND window, const SkinnedControl& control, const ColourScheme& scheme);

// The border of an edit box or list, drawn over the system's one onto a DC
// whose origin is the window's top-left corner.
void PaintBorder(HDC dc, HWND window, const SkinnedControl& control, const ColourScheme& scheme);

// The frame and drop-down button of a combo box, over what the combo box
// itself painted, onto a client-area DC.
void PaintComboBoxParts(HDC dc, HWND window, const SkinnedControl& control,
                        const ColourScheme& scheme);

// Both halves of an up-down control onto a client-area DC.
void PaintUpDown(HDC dc, HWND window, const SkinnedControl& control, const ColourScheme& scheme);
// Which half lies under a point in client coordinates.
UpDownPart UpDownPartAt(HWND window, POINT point);

// The state every painter starts from.
ControlState CommonState(HWND window, const SkinnedControl& control);

}  // namespace tavrin::platform::skin
