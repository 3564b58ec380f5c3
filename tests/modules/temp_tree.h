#pragma once
// A temporary folder tree for one test, addressed with either separator.

#include <string>
#include <string_view>

#include "tests/support/file_bytes.h"
#include "tests/support/temp_dir.h"

namespace tavrin::test {

class TempTree {
  public:
    // The path of `relative` (written with '/') inside the tree, every
    // separator of it written as `separator`.
    std::string Path(std::string_view relative, char separator = '/') const;

    // Writes `bytes` to `relative`, making its folders.
    void Write(std::string_view relative, const ByteVector& bytes) const;

  private:
    TempDir dir_;
};

}  // namespace tavrin::test
