#include "platform/win/skin/colour_scheme.h"

namespace tavrin::platform::skin {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Disabled controls lose their colour, in all styles alike.
constexpr FaceColours kDisabledFace{RGB(244, 244, 244), RGB(224, 224, 224), RGB(176, 176, 176),
                                    RGB(160, 160, 160)};

int MixChannel(int from, int to, int weight) {
    return from + (to - from) * weight / 255;
}

}  // namespace

COLORREF Mix(COLORREF from, COLORREF to, int weight) {
    return RGB(MixChannel(GetRValue(from), GetRValue(to), weight),
               MixChannel(GetGValue(from), GetGValue(to), weight),
               MixChannel(GetBValue(from), GetBValue(to), weight));
}

FaceColours ColourScheme::Face(const ControlState& state) const {
    const COLORREF mark = Mix(frame_, kBlack, 150);
    if (!state.enabled) {
        return kDisabledFace;
    }
    if (state.pressed) {
        return {Mix(kWhite, frame_, 150), Mix(kWhite, frame_, 40), frame_, mark};
    }
    if (state.hovered) {
        return {kWhite, Mix(kWhite, frame_, 70), frame_, mark};
    }
    return {Mix(kWhite, frame_, 30), Mix(kWhite, frame_, 120), frame_, mark};
}

COLORREF ColourScheme::Outline(const ControlState& state) const {
    if (!state.enabled) {
        return kDisabledFace.frame;
    }
    if (state.focused) {
        return Emphasis();
    }
    if (state.hovered) {
        return Mix(frame_, kBlack, 40);
    }
    return frame_;
}

COLORREF ColourScheme::Emphasis() const {
    return Mix(frame_, kBlack, 90);
}

std::optional<ColourScheme> SchemeForStyle(int style) {
    switch (style) {
        case 1:
            return ColourScheme(RGB(123, 158, 189));
        case 2:
            return ColourScheme(RGB(164, 185, 127));
        case 3:
            return ColourScheme(RGB(198, 197, 215));
        default:
            return std::nullopt;
    }
}

}  // namespace tavrin::platform::skin
