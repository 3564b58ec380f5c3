#include "platform/win/form/program_directory.h"

#include <string_view>

#include "platform/win/form/texts.h"

namespace tavrin::platform {
namespace {

std::string& TakenDirectory() {
    static std::string directory;
    return directory;
}

}  // namespace

std::string DirectoryOfPath(const std::string& path, UINT codePage) {
    const char* const begin = path.c_str();
    const char* lastSeparator = nullptr;
    for (const char* at = begin; *at != '\0';) {
        if (*at == '\\') {
            lastSeparator = at;
        }
        const char* next = CharNextExA(static_cast<WORD>(codePage), at, 0);
        at = next > at ? next : at + 1;
    }
    if (lastSeparator == nullptr) {
        return std::string();
    }
    return CopyText(std::string_view(begin, static_cast<std::size_t>(lastSeparator - begin)));
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
