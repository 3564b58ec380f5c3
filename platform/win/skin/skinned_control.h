#pragma once

#include "platform/win/skin/control_kind.h"

namespace tavrin::platform::skin {

// The halves of an up-down control: up or left first, down or right second.
enum class UpDownPart { kNone, kFirst, kSecond };

// What the skin remembers of one window it paints, beyond what the control
// itself can be asked.
struct SkinnedControl {
    ControlKind kind;
    bool hovered = false;
    UpDownPart hot_part = UpDownPart::kNone;
    UpDownPart pressed_part = UpDownPart::kNone;
};

}  // namespace tavrin::platform::skin
