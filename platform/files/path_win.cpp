#include "platform/files/path.h"

#include <windows.h>

namespace tavrin::platform {

std::filesystem::path ToFsPath(const std::string& path) {
    if (path.empty()) {
        return {};
    }
    const int length =
        MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), length);
    return wide;
}

std::string FromFsPath(const std::filesystem::path& path) {
    const std::wstring& wide = path.native();
    if (wide.empty()) {
        return {};
    }
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), narrow.data(),
                        length, nullptr, nullptr);
    return narrow;
}

PathSyntax NativePathSyntax() {
    return WindowsPathSyntax(GetACP());
}

bool IsLeadByte(unsigned codePage, unsigned char byte) {
    return IsDBCSLeadByteEx(codePage, byte) != FALSE;
}

}  // namespace tavrin::platform
