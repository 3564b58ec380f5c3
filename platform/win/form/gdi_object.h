#pragma once
// GDI objects owned for a scope.

#include <windows.h>

#include <utility>

namespace tavrin::platform {

// A GDI object that its owner deletes.
class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(HGDIOBJ object) : object_(object) {}
    GdiObject(GdiObject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.object_, nullptr));
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { Reset(nullptr); }

    HGDIOBJ Get() const { return object_; }
    void Reset(HGDIOBJ object) noexcept {
        if (object_ != nullptr) {
            DeleteObject(object_);
        }
        object_ = object;
    }

  private:
    HGDIOBJ object_ = nullptr;
};

// An object selected into a device context until the scope ends, when the
// one it replaced is selected back.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace tavrin::platform
