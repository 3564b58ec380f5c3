#pragma once
#include <windows.h>

#include <functional>

namespace tavrin::test {

// A plain top-level window for a test, destroyed with the object unless
// the test destroyed it first.
class TestWindow {
  public:
    // Hidden unless `visible`; a visible one is topmost, so that it is what
    // lies under the point a drag is taken to.
    explicit TestWindow(RECT bounds = {0, 0, 200, 100}, bool visible = false);
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    ~TestWindow();

    HWND Get() const { return window_; }
    void Destroy();

  private:
    HWND window_;
};

// Dispatches this thread's messages until `done` holds or `timeoutMs` has
// passed; returns whether `done` held.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs);

}  // namespace tavrin::test
