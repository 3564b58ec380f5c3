#include "platform/files/path.h"

namespace tavrin::platform {

PathSyntax WindowsPathSyntax(unsigned codePage) {
    return {"\\/", '\\', true, codePage};
}

PathSyntax PosixPathSyntax() {
    return {"/", '/', false, 0};
}

std::size_t LastSeparator(std::string_view path, const PathSyntax& syntax) {
    std::size_t last = std::string_view::npos;
    for (std::size_t at = 0; at < path.size(); ++at) {
        const auto byte = static_cast<unsigned char>(path[at]);
        if (syntax.separators.find(path[at]) != std::string_view::npos) {
            last = at;
        } else if (IsLeadByte(syntax.codePage, byte) && at + 1 < path.size()) {
            ++at;  // the trail byte belongs to this character
        }
    }
    return last;
}

std::size_t FileNameStart(std::string_view path, const PathSyntax& syntax) {
    const std::size_t last = LastSeparator(path, syntax);
    if (last != std::string_view::npos) {
        return last + 1;
    }
    const bool driveLetter = path.size() >= 2 && ((path[0] >= 'A' && path[0] <= 'Z') ||
                                                  (path[0] >= 'a' && path[0] <= 'z'));
    if (syntax.drivePrefix && driveLetter && path[1] == ':') {
        return 2;  // "C:name" lies in drive C's current folder
    }
    return 0;
}

std::string JoinPath(std::string_view folder, std::string_view name, const PathSyntax& syntax) {
    std::string path(folder);
    if (!folder.empty() && LastSeparator(folder, syntax) != folder.size() - 1) {
        path += syntax.preferredSeparator;
    }
    path += name;
    return path;
}

}  // namespace tavrin::platform
