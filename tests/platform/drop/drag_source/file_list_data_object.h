#pragma once
#include <ole2.h>

#include <cstddef>
#include <vector>

#include "tests/platform/drop/support/data_object_base.h"

namespace tavrin::test {

// A data object offering one thing: a CF_HDROP file list in global memory.
class FileListDataObject final : public DataObjectBase {
  public:
    explicit FileListDataObject(std::vector<std::byte> fileList) : fileList_(std::move(fileList)) {}

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) noexcept override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) noexcept override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction,
                                            IEnumFORMATETC** out) noexcept override;

  private:
    ~FileListDataObject() override = default;

    std::vector<std::byte> fileList_;
};

}  // namespace tavrin::test
