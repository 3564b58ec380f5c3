#include "tests/platform/drop/drag_source/drag_options.h"

#include <charconv>
#include <string_view>

namespace tavrin::test {
namespace {

std::optional<DWORD> ParseKeys(std::string_view text) {
    if (text == "none") {
        return 0;
    }
    if (text == "ctrl") {
        return MK_CONTROL;
    }
    if (text == "shift") {
        return MK_SHIFT;
    }
    if (text == "ctrlshift") {
        return MK_CONTROL | MK_SHIFT;
    }
    return std::nullopt;
}

std::optional<DWORD> ParseEffects(std::string_view text) {
    DWORD effects = 0;
    while (true) {
        const auto comma = text.find(',');
        const std::string_view name = text.substr(0, comma);
        if (name == "copy") {
            effects |= DROPEFFECT_COPY;
        } else if (name == "move") {
            effects |= DROPEFFECT_MOVE;
        } else if (name == "link") {
            effects |= DROPEFFECT_LINK;
        } else {
            return std::nullopt;
        }
        if (comma == std::string_view::npos) {
            return effects;
        }
        text.remove_prefix(comma + 1);
    }
}

std::optional<LONG> ParseCoordinate(std::string_view text) {
    LONG value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<DragOptions> ParseDragOptions(const std::vector<std::string>& arguments) {
    DragOptions options;
    std::size_t next = 0;
    while (next < arguments.size() && arguments[next].starts_with("--")) {
        const std::string& name = arguments[next];
        if (next + 1 >= arguments.size()) {
            return std::nullopt;
        }
        const std::string& value = arguments[next + 1];
        if (name == "--keys") {
            const auto keys = ParseKeys(value);
            if (!keys) {
                return std::nullopt;
            }
            options.keys = *keys;
        } else if (name == "--list") {
            if (value != "ansi" && value != "wide") {
                return std::nullopt;
            }
            options.wide = value == "wide";
        } else if (name == "--effects") {
            const auto effects = ParseEffects(value);
            if (!effects) {
                return std::nullopt;
            }
            options.allowedEffects = *effects;
        } else {
            return std::nullopt;
        }
        next += 2;
    }
    if (arguments.size() - next < 2) {
        return std::nullopt;
    }
    const auto x = ParseCoordinate(arguments[next]);
    const auto y = ParseCoordinate(arguments[next + 1]);
    if (!x || !y) {
        return std::nullopt;
    }
    options.target = POINT{*x, *y};
    options.files.assign(arguments.begin() + static_cast<std::ptrdiff_t>(next + 2),
                         arguments.end());
    return options;
}

}  // namespace tavrin::test
