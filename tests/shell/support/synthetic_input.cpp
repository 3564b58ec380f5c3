#include "tests/shell/support/synthetic_input.h"

#include <vector>

namespace tavrin::test {
namespace {

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;  // at the pointer's position
    return input;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

void ClickAt(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    Send({MouseButton(MOUSEEVENTF_LEFTDOWN), MouseButton(MOUSEEVENTF_LEFTUP)});
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (const WORD modifier : modifiers) {
        inputs.push_back(Key(modifier, false));
    }
    inputs.push_back(Key(key, false));
    inputs.push_back(Key(key, true));
    for (auto it = modifiers.end(); it != modifiers.begin();) {
        inputs.push_back(Key(*--it, true));
    }
    Send(inputs);
}

}  // namespace tavrin::test
