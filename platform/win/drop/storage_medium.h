#pragma once
#include <ole2.h>

#include <cstddef>

namespace tavrin::platform {

// Data fetched from a data object, released with ReleaseStgMedium on every path.
class StorageMedium {
  public:
    StorageMedium() = default;
    StorageMedium(const StorageMedium&) = delete;
    StorageMedium& operator=(const StorageMedium&) = delete;
    ~StorageMedium() {
        if (held_) {
            ReleaseStgMedium(&medium_);
        }
    }

    // A failed GetData hands over nothing, so nothing is released then.
    HRESULT GetFrom(IDataObject& data, FORMATETC format) {
        const HRESULT result = data.GetData(&format, &medium_);
        held_ = SUCCEEDED(result);
        if (!held_) {
            medium_ = STGMEDIUM{};
        }
        return result;
    }

    // The global memory, or null when the medium is of another kind.
    HGLOBAL Global() const { return medium_.tymed == TYMED_HGLOBAL ? medium_.hGlobal : nullptr; }

  private:
    STGMEDIUM medium_{};
    bool held_ = false;
};

// Global memory locked for reading while the object lives.
class GlobalLockGuard {
  public:
    explicit GlobalLockGuard(HGLOBAL memory)
        : memory_(memory), data_(memory != nullptr ? GlobalLock(memory) : nullptr) {}
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    ~GlobalLockGuard() {
        if (data_ != nullptr) {
            GlobalUnlock(memory_);
        }
    }

    const std::byte* Data() const { return static_cast<const std::byte*>(data_); }
    std::size_t Size() const { return data_ != nullptr ? GlobalSize(memory_) : 0; }

  private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace tavrin::platform
