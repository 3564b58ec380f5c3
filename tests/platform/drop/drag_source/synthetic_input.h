#pragma once
#include <windows.h>

#include <atomic>

namespace tavrin::test {

// Ctrl and Shift (MK_CONTROL, MK_SHIFT) pressed through SendInput for the
// object's lifetime, so the drag loop reads them as the user's keys. Key
// input goes to the foreground thread, so while keys are held this thread
// owns a one-pixel foreground window, as the application a user drags
// from would have the focus.
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

// Moves the pointer with SendInput from where it is to `target` in a few
// steps, each awaited until the drag loop has turned once after it, then
// waits until the pointer is there. False when `stop` was set or the
// pointer never arrived.
bool GlidePointer(POINT target, HANDLE loopTurned, const std::atomic<bool>& stop);

}  // namespace tavrin::test
