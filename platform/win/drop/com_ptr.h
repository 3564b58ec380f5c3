#pragma once
#include <unknwn.h>

#include <utility>

namespace tavrin::platform {

// One counted reference to a COM object, released on every path.
template <typename Interface>
class ComPtr {
  public:
    ComPtr() = default;
    // Takes a reference of its own; the caller keeps its one.
    static ComPtr Share(Interface* object) {
        if (object != nullptr) {
            object->AddRef();
        }
        return ComPtr(object);
    }
    // Takes over a reference the caller already holds.
    static ComPtr Adopt(Interface* object) { return ComPtr(object); }

    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { Reset(); }

    Interface* Get() const { return object_; }
    Interface* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    void Reset() noexcept {
        if (Interface* object = std::exchange(object_, nullptr)) {
            object->Release();
        }
    }

  private:
    explicit ComPtr(Interface* object) : object_(object) {}

    Interface* object_ = nullptr;
};

}  // namespace tavrin::platform
