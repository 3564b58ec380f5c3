#include "tests/platform/drop/support/data_object_base.h"

namespace tavrin::test {

HRESULT DataObjectBase::QueryInterface(REFIID iid, void** object) noexcept {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
        *object = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DataObjectBase::AddRef() noexcept {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG DataObjectBase::Release() noexcept {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT DataObjectBase::GetDataHere(FORMATETC*, STGMEDIUM*) noexcept {
    return E_NOTIMPL;
}

HRESULT DataObjectBase::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) noexcept {
    if (out != nullptr) {
        out->ptd = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT DataObjectBase::SetData(FORMATETC*, STGMEDIUM*, BOOL) noexcept {
    return E_NOTIMPL;
}

HRESULT DataObjectBase::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) noexcept {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT DataObjectBase::DUnadvise(DWORD) noexcept {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT DataObjectBase::EnumDAdvise(IEnumSTATDATA** out) noexcept {
    if (out != nullptr) {
        *out = nullptr;
    }
    return OLE_E_ADVISENOTSUPPORTED;
}

}  // namespace tavrin::test
