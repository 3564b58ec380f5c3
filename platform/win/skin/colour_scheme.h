#pragma once
// The colours of one skin style. Everything derives from the frame colour,
// so the three styles differ in that one value.

#include <windows.h>

#include <optional>

namespace tavrin::platform::skin {

// What a control looks like at the moment it is painted.
struct ControlState {
    bool enabled = true;
    bool hovered = false;
    bool pressed = false;
    bool focused = false;
};

// The colours of a face: a vertical gradient inside a frame.
struct FaceColours {
    COLORREF top;
    COLORREF bottom;
    COLORREF frame;
    COLORREF mark;  // arrows, check marks, radio dots
};

class ColourScheme {
  public:
    explicit constexpr ColourScheme(COLORREF frame) : frame_(frame) {}

    COLORREF Frame() const { return frame_; }
    FaceColours Face(const ControlState& state) const;
    // The outline of an edit box or list, which has no face of its own.
    COLORREF Outline(const ControlState& state) const;
    // The inner ring that marks the focused or default button.
    COLORREF Emphasis() const;

  private:
    COLORREF frame_;
};

// Styles 1, 2 and 3; none for any other style, which means "skin off".
std::optional<ColourScheme> SchemeForStyle(int style);

// `from` moved toward `to` by weight/255.
COLORREF Mix(COLORREF from, COLORREF to, int weight);

}  // namespace tavrin::platform::skin
