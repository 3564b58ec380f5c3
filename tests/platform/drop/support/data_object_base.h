#pragma once
#include <ole2.h>

namespace tavrin::test {

// What every test data object shares: the reference count and the answers
// for what none of them supports (GetDataHere, SetData, advise sinks).
// A derived object decides which formats it offers and how.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"  // COM objects end through Release
class DataObjectBase : public IDataObject {
  public:
    DataObjectBase(const DataObjectBase&) = delete;
    DataObjectBase& operator=(const DataObjectBase&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override;
    ULONG STDMETHODCALLTYPE Release() noexcept override;

    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) noexcept override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) noexcept override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) noexcept override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) noexcept override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** out) noexcept override;

  protected:
    DataObjectBase() = default;
    virtual ~DataObjectBase() = default;  // the last Release deletes

  private:
    LONG references_ = 1;
};
#pragma GCC diagnostic pop

}  // namespace tavrin::test
