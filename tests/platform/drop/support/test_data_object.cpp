#include "tests/platform/drop/support/test_data_object.h"

#include <new>

#include "tests/platform/drop/support/file_list_block.h"

namespace tavrin::test {
namespace {

// Owns a handed-out global block; its last release frees the block and
// tells the data object that the receiver released the medium.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"  // COM objects end through Release
class MediumOwner final : public IUnknown {
  public:
    MediumOwner(HGLOBAL memory, int& releasedCount) : memory_(memory), released_(releasedCount) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (!IsEqualIID(iid, IID_IUnknown)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() noexcept override {
        const ULONG left = --references_;
        if (left == 0) {
            GlobalFree(memory_);
            ++released_;
            delete this;
        }
        return left;
    }

  private:
    ULONG references_ = 1;
    HGLOBAL memory_;
    int& released_;
};
#pragma GCC diagnostic pop

}  // namespace

platform::ComPtr<TestDataObject> TestDataObject::Make(std::vector<OfferedFormat> offers) {
    return platform::ComPtr<TestDataObject>::Adopt(new TestDataObject(std::move(offers)));
}

bool SameFormatEtc(const FORMATETC& a, const FORMATETC& b) {
    return a.cfFormat == b.cfFormat && a.ptd == b.ptd && a.dwAspect == b.dwAspect &&
           a.lindex == b.lindex && a.tymed == b.tymed;
}

const OfferedFormat* TestDataObject::Find(CLIPFORMAT format) const {
    for (const OfferedFormat& offer : offers_) {
        if (offer.format == format) {
            return &offer;
        }
    }
    return nullptr;
}

HRESULT TestDataObject::QueryInterface(REFIID iid, void** object) noexcept {
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

ULONG TestDataObject::AddRef() noexcept {
    return static_cast<ULONG>(++references_);
}

ULONG TestDataObject::Release() noexcept {
    const LONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT TestDataObject::QueryGetData(FORMATETC* format) noexcept {
    if (format == nullptr) {
        return E_INVALIDARG;
    }
    queries.push_back(*format);
    const OfferedFormat* offer = Find(format->cfFormat);
    return offer != nullptr ? offer->queryResult : DV_E_FORMATETC;
}

HRESULT TestDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) noexcept {
    if (format == nullptr || medium == nullptr) {
        return E_INVALIDARG;
    }
    fetches.push_back(*format);
    const OfferedFormat* offer = Find(format->cfFormat);
    if (offer == nullptr) {
        return DV_E_FORMATETC;
    }
    if (FAILED(offer->getResult)) {
        return offer->getResult;
    }
    HGLOBAL memory = CopyToGlobal(offer->bytes);
    auto* owner =
        memory != nullptr ? new (std::nothrow) MediumOwner(memory, mediaReleased) : nullptr;
    if (owner == nullptr) {
        GlobalFree(memory);
        return E_OUTOFMEMORY;
    }
    ++mediaHandedOut;
    *medium = STGMEDIUM{};
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = owner;
    return offer->getResult;
}

HRESULT TestDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) noexcept {
    return E_NOTIMPL;
}

HRESULT TestDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) noexcept {
    if (out != nullptr) {
        out->ptd = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT TestDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL) noexcept {
    return E_NOTIMPL;
}

HRESULT TestDataObject::EnumFormatEtc(DWORD, IEnumFORMATETC** out) noexcept {
    if (out != nullptr) {
        *out = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT TestDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) noexcept {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TestDataObject::DUnadvise(DWORD) noexcept {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TestDataObject::EnumDAdvise(IEnumSTATDATA** out) noexcept {
    if (out != nullptr) {
        *out = nullptr;
    }
    return OLE_E_ADVISENOTSUPPORTED;
}

}  // namespace tavrin::test
