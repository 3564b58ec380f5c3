#pragma once
// Which windows the skin takes over, told by class name and style.

#include <windows.h>

#include <optional>

namespace tavrin::platform::skin {

enum class ControlKind {
    kPushButton,
    kCheckBox,
    kRadioButton,
    kGroupBox,
    kEdit,
    kComboBox,
    kComboList,  // the list of a drop-down combo box
    kUpDown,
};

// The kind the skin paints `window` as, or none when it keeps the system
// look. `creator` is the parent named when the window was created: the list
// of a combo box is told apart only by the combo box that made it.
std::optional<ControlKind> HandledKind(HWND window, HWND creator);

// The list of a combo box, once the combo box has made it.
HWND ListOfComboBox(HWND combo);

}  // namespace tavrin::platform::skin
