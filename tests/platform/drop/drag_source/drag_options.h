#pragma once
#include <ole2.h>

#include <optional>
#include <string>
#include <vector>

namespace tavrin::test {

// What one run of the drag source does.
struct DragOptions {
    DWORD keys = 0;  // MK_CONTROL and MK_SHIFT held during the drag
    DWORD allowedEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    POINT target{};                  // screen point the drag ends at
    std::vector<std::string> files;  // offered as given, in this order
    bool wide = false;               // offered as UTF-16, as the system's shell does
};

inline constexpr char kDragUsage[] =
    "usage: tavrin_drag_source.exe [--keys none|ctrl|shift|ctrlshift] "
    "[--effects copy,move,link] [--list ansi|wide] X Y FILE...\n";

// None when the arguments (argv[1] on) do not follow the usage.
std::optional<DragOptions> ParseDragOptions(const std::vector<std::string>& arguments);

}  // namespace tavrin::test
