#pragma once
#include <ole2.h>

#include <cstddef>
#include <vector>

namespace tavrin::test {

// A data object offering one thing: a CF_HDROP file list in global memory.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"  // COM objects end through Release
class FileListDataObject final : public IDataObject {
  public:
    explicit FileListDataObject(std::vector<std::byte> fileList) : fileList_(std::move(fileList)) {}
    FileListDataObject(const FileListDataObject&) = delete;
    FileListDataObject& operator=(const FileListDataObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
    ULONG STDMETHODCALLTYPE AddRef() noexcept override;
    ULONG STDMETHODCALLTYPE Release() noexcept override;

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) noexcept override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) noexcept override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) noexcept override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) noexcept override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) noexcept override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction,
                                            IEnumFORMATETC** out) noexcept override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) noexcept override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) noexcept override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** out) noexcept override;

  private:
    ~FileListDataObject() = default;

    LONG references_ = 1;
    std::vector<std::byte> fileList_;
};
#pragma GCC diagnostic pop

}  // namespace tavrin::test
