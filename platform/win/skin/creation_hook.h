#pragma once
// Sees every window of the UI thread as its WM_CREATE passes, so windows
// made after the skin was switched on are taken over too.

#include <windows.h>

namespace tavrin::platform::skin {

class CreationHook {
  public:
    // Called with the new window and the parent named at its creation.
    using Observer = void (*)(HWND window, HWND creator) noexcept;

    explicit CreationHook(Observer observer);
    CreationHook(const CreationHook&) = delete;
    CreationHook& operator=(const CreationHook&) = delete;
    ~CreationHook();

    bool Installed() const { return hook_ != nullptr; }

  private:
    static LRESULT CALLBACK OnCallWindowProc(int code, WPARAM wparam, LPARAM lparam);

    HHOOK hook_;
};

}  // namespace tavrin::platform::skin
