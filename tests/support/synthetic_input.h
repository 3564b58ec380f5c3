#pragma once
// Real input from a test, through the system's input queue (SendInput), as
// a user's mouse and keyboard would give it.

#include <windows.h>

#include <atomic>
#include <initializer_list>

namespace tavrin::test {

// Moves the pointer to a screen point and clicks the left button there.
void ClickAt(POINT screen);

// Presses `key` while holding `modifiers` (VK_SHIFT, VK_CONTROL, VK_MENU).
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});

// Ctrl and Shift (MK_CONTROL, MK_SHIFT) pressed for the object's lifetime,
// so a drag loop reads them as the user's keys. Key input goes to the
// foreground thread, so while keys are held this thread owns a one-pixel
// foreground window, as the application a user drags from would have the
// focus.
class HeldKeys {
  public:
    explicit HeldKeys(DWORD keys);
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;
    ~HeldKeys();

  private:
    DWORD keys_;
    HWND focusWindow_ = nullptr;
};

// Moves the pointer from where it is to `target` in a few steps, each
// awaited until the drag loop has turned once after it, then waits until
// the pointer is there. False when `stop` was set or the pointer never
// arrived.
bool GlidePointer(POINT target, HANDLE loopTurned, const std::atomic<bool>& stop);

}  // namespace tavrin::test
