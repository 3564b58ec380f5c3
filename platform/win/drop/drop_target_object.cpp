#include "platform/win/drop/drop_target_object.h"

#include <optional>
#include <string>

#include "platform/win/drop/com_ptr.h"
#include "platform/win/drop/drop_effect.h"
#include "platform/win/drop/dropped_files.h"
#include "platform/win/drop/global_text.h"
#include "platform/win/drop/storage_medium.h"

namespace tavrin::platform {
namespace {

std::optional<std::string> FetchText(IDataObject& data, DropKind kind) {
    StorageMedium medium;
    if (FAILED(medium.GetFrom(data, GlobalMemoryFormatOf(kind))) || medium.Global() == nullptr) {
        return std::nullopt;
    }
    return kind == DropKind::Files ? DroppedFilesText(medium.Global())
                                   : TextOfGlobal(medium.Global());
}

const std::function<void(const char*)>& EventOf(const DropTarget& owner, DropKind kind) {
    switch (kind) {
        case DropKind::Text:
            return owner.TextReceived;
        case DropKind::Html:
            return owner.HtmlReceived;
        case DropKind::Url:
            return owner.UrlReceived;
        case DropKind::Files:
            break;
    }
    return owner.FileReceived;
}

}  // namespace

DropTargetObject::DropTargetObject(DropTargetSettings settings, DropTarget& owner)
    : settings_(settings), owner_(&owner) {}

HRESULT DropTargetObject::QueryInterface(REFIID iid, void** object) noexcept {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DropTargetObject::AddRef() noexcept {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG DropTargetObject::Release() noexcept {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT DropTargetObject::DragEnter(IDataObject* data, DWORD keyState, POINTL /*point*/,
                                    DWORD* effect) noexcept {
    if (effect == nullptr) {
        return E_INVALIDARG;
    }
    // Cleared first so that a component with every kind switched off never
    // keeps the answer of an earlier drag.
    acceptable_ = false;
    if (data != nullptr && owner_ != nullptr) {
        acceptable_ = OffersSwitchedOnKind(*data);
    }
    *effect = ChooseDropEffect(acceptable_, keyState, *effect);
    return S_OK;
}

HRESULT DropTargetObject::DragOver(DWORD keyState, POINTL /*point*/, DWORD* effect) noexcept {
    if (effect == nullptr) {
        return E_INVALIDARG;
    }
    *effect = ChooseDropEffect(acceptable_ && owner_ != nullptr, keyState, *effect);
    return S_OK;
}

HRESULT DropTargetObject::DragLeave() noexcept {
    acceptable_ = false;
    return S_OK;
}

HRESULT DropTargetObject::Drop(IDataObject* data, DWORD keyState, POINTL /*point*/,
                               DWORD* effect) noexcept {
    // A handler may end the component (and with it this object's owner
    // reference); this one keeps the object alive until Drop returns.
    const auto keepAlive = ComPtr<DropTargetObject>::Share(this);
    if (effect == nullptr) {
        return E_FAIL;
    }
    *effect = ChooseDropEffect(acceptable_ && owner_ != nullptr, keyState, *effect);
    if (*effect != DROPEFFECT_NONE && data != nullptr) {
        try {
            DeliverAll(*data);
        } catch (...) {
            // No handler failure or lack of memory may reach OLE; whatever
            // was delivered stays delivered.
        }
    }
    // Every drop ends as failed: the component takes the paths, never the
    // data itself, so no source may take it for a finished move and delete
    // what was dragged.
    return E_FAIL;
}

bool DropTargetObject::OffersSwitchedOnKind(IDataObject& data) const {
    for (const DropKind kind : kEnterTestOrder) {
        if (!IsSwitchedOn(settings_, kind)) {
            continue;
        }
        FORMATETC format = GlobalMemoryFormatOf(kind);
        if (data.QueryGetData(&format) == S_OK) {
            return true;
        }
    }
    return false;
}

void DropTargetObject::DeliverAll(IDataObject& data) {
    for (const DropKind kind : kDeliveryOrder) {
        if (owner_ == nullptr) {
            return;
        }
        if (!IsSwitchedOn(settings_, kind)) {
            continue;
        }
        if (const auto text = FetchText(data, kind)) {
            Raise(kind, text->c_str());
        }
    }
}

void DropTargetObject::Raise(DropKind kind, const char* text) const {
    // A copy, so a handler may replace its own event or end the component.
    const auto handler = EventOf(*owner_, kind);
    if (handler) {
        handler(text);
    }
}

}  // namespace tavrin::platform
