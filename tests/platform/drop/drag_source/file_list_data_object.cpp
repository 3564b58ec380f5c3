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

}  // namespace tavrin::test
