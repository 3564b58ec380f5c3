#pragma once
// Real input from the test, through the system's input queue, as a user's
// mouse and keyboard would give it.

#include <windows.h>

#include <initializer_list>

namespace tavrin::test {

// Moves the pointer to a screen point and clicks the left button there.
void ClickAt(POINT screen);

// Presses `key` while holding `modifiers` (VK_SHIFT, VK_CONTROL, VK_MENU).
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});

}  // namespace tavrin::test
