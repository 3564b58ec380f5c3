#include "tests/platform/drop/drag_source/file_list_data_object.h"

#include <shlobj.h>

#include "tests/platform/drop/support/file_list_block.h"

namespace tavrin::test {
namespace {

const FORMATETC kFileListFormat{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};

HRESULT CheckFormat(const FORMATETC& format) {
    if (format.cfFormat != CF_HDROP) {
        return DV_E_FORMATETC;
    }
    if ((format.tymed & TYMED_HGLOBAL) == 0) {
        return DV_E_TYMED;
    }
    if (format.dwAspect != DVASPECT_CONTENT) {
        return DV_E_DVASPECT;
    }
    if (format.lindex != -1) {
        return DV_E_LINDEX;
    }
    return S_OK;
}

}  // namespace

HRESULT FileListDataObject::QueryInterface(REFIID iid, void** object) noexcept {
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

ULONG FileListDataObject::AddRef() noexcept {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG FileListDataObject::Release() noexcept {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT FileListDataObject::QueryGetData(FORMATETC* format) noexcept {
    return format == nullptr ? E_INVALIDARG : CheckFormat(*format);
}

HRESULT FileListDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) noexcept {
    if (format == nullptr || medium == nullptr) {
        return E_INVALIDARG;
    }
    if (const HRESULT check = CheckFormat(*format); check != S_OK) {
        return check;
    }
    HGLOBAL memory = CopyToGlobal(fileList_);
    if (memory == nullptr) {
        return E_OUTOFMEMORY;
    }
    *medium = STGMEDIUM{};
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;  // the receiver frees it
    return S_OK;
}

HRESULT FileListDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) noexcept {
    return E_NOTIMPL;
}

HRESULT FileListDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) noexcept {
    if (out != nullptr) {
        out->ptd = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT FileListDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL) noexcept {
    return E_NOTIMPL;
}

HRESULT FileListDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) noexcept {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    if (direction != DATADIR_GET) {
        return E_NOTIMPL;
    }
    return SHCreateStdEnumFmtEtc(1, &kFileListFormat, out);
}

HRESULT FileListDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) noexcept {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT FileListDataObject::DUnadvise(DWORD) noexcept {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT FileListDataObject::EnumDAdvise(IEnumSTATDATA** out) noexcept {
    if (out != nullptr) {
        *out = nullptr;
    }
    return OLE_E_ADVISENOTSUPPORTED;
}

}  // namespace tavrin::test
