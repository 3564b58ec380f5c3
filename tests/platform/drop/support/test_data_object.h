#pragma once
#include <ole2.h>

#include <cstddef>
#include <vector>

#include "platform/win/drop/com_ptr.h"

namespace tavrin::test {

// One format a TestDataObject offers, and how it answers for it.
struct OfferedFormat {
    CLIPFORMAT format;
    std::vector<std::byte> bytes;  // handed out by GetData in fresh global memory
    HRESULT queryResult = S_OK;    // QueryGetData's answer
    HRESULT getResult = S_OK;      // GetData's answer
};

// A data object whose answers a test sets up and whose calls it records.
// Formats it does not offer are answered with DV_E_FORMATETC.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"  // COM objects end through Release
class TestDataObject final : public IDataObject {
  public:
    static platform::ComPtr<TestDataObject> Make(std::vector<OfferedFormat> offers);

    std::vector<FORMATETC> queries;  // every QueryGetData, in call order
    std::vector<FORMATETC> fetches;  // every GetData, in call order
    int mediaHandedOut = 0;
    int mediaReleased = 0;  // counted when the receiver releases a medium

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override;
    ULONG STDMETHODCALLTYPE Release() noexcept override;

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) noexcept override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) noexcept override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) noexcept override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC** out) noexcept override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) noexcept override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) noexcept override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** out) noexcept override;

  private:
    explicit TestDataObject(std::vector<OfferedFormat> offers) : offers_(std::move(offers)) {}
    ~TestDataObject() = default;
    const OfferedFormat* Find(CLIPFORMAT format) const;

    LONG references_ = 1;
    std::vector<OfferedFormat> offers_;
};
#pragma GCC diagnostic pop

// FORMATETC fields compared one by one (the struct has padding).
bool SameFormatEtc(const FORMATETC& a, const FORMATETC& b);

}  // namespace tavrin::test
