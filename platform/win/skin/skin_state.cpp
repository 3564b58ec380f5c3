#include "platform/win/skin/skin_state.h"

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <unordered_map>

#include "platform/win/skin/control_kind.h"
#include "platform/win/skin/creation_hook.h"
#include "platform/win/skin/subclass_proc.h"
#include "platform/win/skin/thread_windows.h"

namespace tavrin::platform::skin {
namespace {

struct SkinState {
    std::optional<ColourScheme> scheme;
    std::unordered_map<HWND, SkinnedControl> windows;
    std::optional<CreationHook> hook;
};

SkinState& State() {
    static SkinState state;
    return state;
}

void RepaintWhole(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

bool TakeOver(HWND window, ControlKind kind) noexcept {
    auto& windows = State().windows;
    try {
        windows.try_emplace(window, SkinnedControl{kind});
    } catch (...) {
        return false;  // without memory for the record the window keeps the system look
    }
    if (!SetWindowSubclass(window, SkinSubclassProc, kSkinSubclassId, 0)) {
        windows.erase(window);
        return false;
    }
    RepaintWhole(window);
    return true;
}

void TakeOverIfHandled(HWND window, HWND creator) noexcept {
    const auto kind = HandledKind(window, creator);
    if (!kind || !TakeOver(window, *kind)) {
        return;
    }
    // A list already made belongs to a combo box found by enumeration; one
    // made later passes the hook on its own.
    if (*kind == ControlKind::kComboBox) {
        if (HWND list = ListOfComboBox(window); list != nullptr) {
            TakeOverIfHandled(list, window);
        }
    }
}

}  // namespace

void SwitchOff() {
    auto& state = State();
    state.hook.reset();
    auto windows = std::move(state.windows);
    state.windows.clear();
    for (const auto& [window, control] : windows) {
        RemoveWindowSubclass(window, SkinSubclassProc, kSkinSubclassId);
        RepaintWhole(window);
    }
    state.scheme.reset();
}

void SwitchOn(const ColourScheme& scheme) {
    auto& state = State();
    state.scheme = scheme;
    state.hook.emplace(TakeOverIfHandled);
    std::vector<HWND> existing;
    try {
        existing = ThreadWindows();
    } catch (...) {
        return;  // the windows made from now on are still taken over
    }
    for (HWND window : existing) {
        // A list of a combo box is not a child of it; its combo box takes it.
        TakeOverIfHandled(window, GetParent(window));
    }
}

const ColourScheme& CurrentScheme() {
    return *State().scheme;
}

SkinnedControl* FindSkinned(HWND window) {
    auto& windows = State().windows;
    const auto found = windows.find(window);
    return found != windows.end() ? &found->second : nullptr;
}

void ReleaseWindow(HWND window) {
    RemoveWindowSubclass(window, SkinSubclassProc, kSkinSubclassId);
    State().windows.erase(window);
}

std::size_t SkinnedWindowCount() {
    return State().windows.size();
}

}  // namespace tavrin::platform::skin
