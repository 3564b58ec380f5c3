#include "tests/modules/temp_tree.h"

#include <algorithm>

namespace tavrin::test {

std::string TempTree::Path(std::string_view relative, char separator) const {
    std::string path = (dir_.Path() / relative).string();
    std::replace(path.begin(), path.end(), '/', separator);
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '\\', separator);
#endif
    return path;
}

void TempTree::Write(std::string_view relative, const ByteVector& bytes) const {
    const std::filesystem::path path(Path(relative));
    std::filesystem::create_directories(path.parent_path());
    WriteFileBytes(path.string(), bytes);
}

}  // namespace tavrin::test
