#pragma once
// A folder tree of one test's own under the build folder: emptied when made,
// removed afterwards.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::tests {

class TempTree {
  public:
    // Named after the running test, so tests that run at once do not meet.
    TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;
    ~TempTree();

    // The path of `relative` (written with '/') inside the tree, with every
    // separator written as `separator`.
    std::string Path(std::string_view relative, char separator = '/') const;

    // Writes `bytes` to `relative`, making its folders.
    void Write(std::string_view relative, std::span<const std::uint8_t> bytes) const;

  private:
    std::string root_;
};

// The whole file, or none when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);

}  // namespace tavrin::tests
