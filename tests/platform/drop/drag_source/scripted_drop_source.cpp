#include "tests/platform/drop/drag_source/scripted_drop_source.h"

namespace tavrin::test {

ScriptedDropSource::ScriptedDropSource(HANDLE loopTurned, DWORD timeLimitMs)
    : loopTurned_(loopTurned), deadline_(GetTickCount64() + timeLimitMs) {}

HRESULT ScriptedDropSource::QueryInterface(REFIID iid, void** object) noexcept {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
        *object = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ScriptedDropSource::AddRef() noexcept {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG ScriptedDropSource::Release() noexcept {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT ScriptedDropSource::QueryContinueDrag(BOOL escapePressed, DWORD /*keyState*/) noexcept {
    SetEvent(loopTurned_);
    if (escapePressed || GetTickCount64() > deadline_) {
        return DRAGDROP_S_CANCEL;
    }
    if (arrived_ && ++turnsAtTarget_ > kTurnsAtTargetBeforeDrop) {
        askedToDrop_ = true;
        return DRAGDROP_S_DROP;
    }
    return S_OK;
}

HRESULT ScriptedDropSource::GiveFeedback(DWORD /*effect*/) noexcept {
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

}  // namespace tavrin::test
