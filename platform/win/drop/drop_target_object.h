#pragma once
#include <ole2.h>

#include "platform/win/drop/drop_kind.h"
#include "platform/win/drop/drop_target.h"

namespace tavrin::platform {

// The OLE drop target of one DropTarget component. It starts with the one
// reference its component holds, so the references OLE takes and drops
// never end it while the component lives. Once detached (the component is
// gone) it refuses every drag and raises nothing.
// COM interfaces have no destructor: the object ends through Release only.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class DropTargetObject final : public IDropTarget {
  public:
    DropTargetObject(DropTargetSettings settings, DropTarget& owner);
    DropTargetObject(const DropTargetObject&) = delete;
    DropTargetObject& operator=(const DropTargetObject&) = delete;

    void Detach() noexcept { owner_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override;
    ULONG STDMETHODCALLTYPE Release() noexcept override;

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point,
                                        DWORD* effect) noexcept override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point,
                                       DWORD* effect) noexcept override;
    HRESULT STDMETHODCALLTYPE DragLeave() noexcept override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point,
                                   DWORD* effect) noexcept override;

  private:
    ~DropTargetObject() = default;  // only Release ends the object

    bool OffersSwitchedOnKind(IDataObject& data) const;
    void DeliverAll(IDataObject& data);
    void Raise(DropKind kind, const char* text) const;

    LONG references_ = 1;
    DropTargetSettings settings_;
    DropTarget* owner_;
    bool acceptable_ = false;
};
#pragma GCC diagnostic pop

}  // namespace tavrin::platform
