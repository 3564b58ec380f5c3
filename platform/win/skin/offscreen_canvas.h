#pragma once
// Paints a control into a bitmap first and copies it to the screen in one
// go, so it never shows half-painted.

#include <optional>

#include "platform/win/skin/gdi.h"

namespace tavrin::platform::skin {

class OffscreenCanvas {
  public:
    // `area` is in the target's coordinates and keeps them on the canvas.
    OffscreenCanvas(HDC target, const RECT& area);
    OffscreenCanvas(const OffscreenCanvas&) = delete;
    OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;
    ~OffscreenCanvas() = default;

    // Where to draw: the bitmap, or the target itself when no bitmap could
    // be had (then the control flickers but is still painted).
    HDC dc() const { return buffered_ ? memory_.get() : target_; }
    // Copies what was drawn to the target.
    void Present() const;

  private:
    HDC target_;
    RECT area_;
    MemoryDc memory_;
    OwnedBitmap bitmap_;
    std::optional<Selection> selection_;
    bool buffered_ = false;
};

}  // namespace tavrin::platform::skin
