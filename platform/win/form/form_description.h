#pragma once
// The stored description of a form: its window, its controls with their
// settings, and the handlers bound to their events. Programs keep it as a
// constant table; the runtime creates the windows from it.

#include <windows.h>

#include <cstddef>
#include <span>
#include <string_view>

namespace tavrin::platform {

class Form;

enum class ControlKind { kLabel, kEditBox, kButton, kDropTarget };

// Properties by number. 0 to 7 belong to every kind; a kind's own follow.
enum Property : int {
    kLeft = 0,
    kTop = 1,
    kWidth = 2,
    kHeight = 3,
    kTag = 4,
    kVisible = 5,
    kProhibited = 6,
    kMousePointer = 7,
    kContent = 8,  // EditBox
};

// Marks a colour that the system chooses.
inline constexpr COLORREF kSystemColour = 0xFF000000;

using FormHandler = void (*)(Form& form);
using TextHandler = void (*)(Form& form, const char* text);

struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct DropSwitches {
    bool acceptText = false;
    bool acceptHtml = false;
    bool acceptUrl = false;
    bool acceptFiles = false;
};

struct ControlDescription {
    std::string_view name{};
    ControlKind kind = ControlKind::kLabel;
    Place place{};
    std::string_view caption{};  // UTF-8
    COLORREF textColour = kSystemColour;
    COLORREF backColour = kSystemColour;
    bool visible = true;
    bool prohibited = false;
    bool readOnly = false;    // EditBox
    bool clientEdge = false;  // EditBox: the sunken border
    int tabIndex = -1;        // position in the tab ring; -1 keeps it out
    DropSwitches drop{};      // DropTarget

    FormHandler pressed = nullptr;         // Button
    FormHandler contentChanged = nullptr;  // EditBox
    TextHandler textReceived = nullptr;    // DropTarget, events 0 to 3
    TextHandler htmlReceived = nullptr;
    TextHandler urlReceived = nullptr;
    TextHandler fileReceived = nullptr;
};

struct FormDescription {
    std::string_view caption{};  // UTF-8
    int outerWidth = 0;          // frame and caption included
    int outerHeight = 0;
    bool centred = true;
    bool minimizeBox = false;
    bool maximizeBox = false;
    const char* iconName = nullptr;  // an icon group of the program file
    std::span<const ControlDescription> controls{};

    FormHandler creationFinished = nullptr;
};

}  // namespace tavrin::platform
