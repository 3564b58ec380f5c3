#include "platform/win/skin/offscreen_canvas.h"

namespace tavrin::platform::skin {
namespace {

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

HBITMAP BitmapFor(HDC target, const RECT& area) {
    if (Width(area) <= 0 || Height(area) <= 0) {
        return nullptr;
    }
    return CreateCompatibleBitmap(target, Width(area), Height(area));
}

}  // namespace

OffscreenCanvas::OffscreenCanvas(HDC target, const RECT& area)
    : target_(target), area_(area), memory_(target), bitmap_(BitmapFor(target, area)) {
    if (!memory_ || !bitmap_) {
        return;
    }
    selection_.emplace(memory_.get(), bitmap_.get());
    SetViewportOrgEx(memory_.get(), -area.left, -area.top, nullptr);
    buffered_ = true;
}

void OffscreenCanvas::Present() const {
    if (!buffered_) {
        return;
    }
    BitBlt(target_, area_.left, area_.top, Width(area_), Height(area_), memory_.get(), area_.left,
           area_.top, SRCCOPY);
}

}  // namespace tavrin::platform::skin
