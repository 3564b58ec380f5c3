#pragma once
#include <ole2.h>

#include <atomic>

namespace tavrin::test {

// A drop source that needs no mouse button: it drops once the pointer has
// reached the target and the drag loop has looked there a few more times
// (so the target saw DragEnter and DragOver at that point), and it cancels
// on Escape or when the time limit has passed.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"  // COM objects end through Release
class ScriptedDropSource final : public IDropSource {
  public:
    // `loopTurned` is an event set on every turn of the drag loop.
    ScriptedDropSource(HANDLE loopTurned, DWORD timeLimitMs);
    ScriptedDropSource(const ScriptedDropSource&) = delete;
    ScriptedDropSource& operator=(const ScriptedDropSource&) = delete;

    void MarkArrived() { arrived_ = true; }
    bool AskedToDrop() const { return askedToDrop_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override;
    ULONG STDMETHODCALLTYPE Release() noexcept override;

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed,
                                                DWORD keyState) noexcept override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) noexcept override;

  private:
    ~ScriptedDropSource() = default;

    static constexpr int kTurnsAtTargetBeforeDrop = 3;

    LONG references_ = 1;
    HANDLE loopTurned_;
    ULONGLONG deadline_;
    std::atomic<bool> arrived_ = false;
    int turnsAtTarget_ = 0;
    bool askedToDrop_ = false;
};
#pragma GCC diagnostic pop

}  // namespace tavrin::test
