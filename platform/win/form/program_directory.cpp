#include "platform/win/form/program_directory.h"

#include <string_view>

#include "platform/files/path.h"
#include "platform/win/form/texts.h"

namespace tavrin::platform {
namespace {

std::string& TakenDirectory() {
    static std::string directory;
    return directory;
}

}  // namespace

std::string DirectoryOfPath(const std::string& path, UINT codePage) {
    const std::size_t last = LastSeparator(path, WindowsPathSyntax(codePage));
    if (last == std::string::npos) {
        return std::string();
    }
    return CopyText(std::string_view(path).substr(0, last));
}

std::string ProgramFilePath() {
    for (DWORD capacity = MAX_PATH;; capacity *= 2) {
        std::string path = BlankText(capacity);
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), capacity);
        if (length == 0) {
            return std::string();
        }
        if (length < capacity) {
            path.resize(length);
            return path;
        }
        if (capacity > 0x7FFF'FFFF / 2) {
            return std::string();
        }
    }
}

std::string TakeProgramDirectory() {
    TakenDirectory() = DirectoryOfPath(ProgramFilePath(), CP_ACP);
    return ProgramDirectory();
}

std::string ProgramDirectory() {
    return CopyText(TakenDirectory());
}

}  // namespace tavrin::platform
