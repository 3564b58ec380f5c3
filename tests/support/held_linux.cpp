#include <filesystem>
#include <fstream>
#include <system_error>

#include "tests/support/held.h"

namespace tavrin::test {
namespace {

bool DescriptorOpen(const std::filesystem::path& target) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        std::error_code gone;  // the iterator's own descriptor may be closed by now
        if (std::filesystem::read_symlink(entry.path(), gone) == target) {
            return true;
        }
    }
    return false;
}

bool Mapped(const std::filesystem::path& target) {
    // A line ends in the mapped file's path, after a space.
    const std::string& name = target.string();
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        if (line.size() > name.size() && line.ends_with(name) &&
            line[line.size() - name.size() - 1] == ' ') {
            return true;
        }
    }
    return false;
}

}  // namespace

bool Held(const std::string& path) {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    return !error && (DescriptorOpen(target) || Mapped(target));
}

}  // namespace tavrin::test
