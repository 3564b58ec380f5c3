#include "platform/files/path.h"

namespace tavrin::platform {

std::filesystem::path ToFsPath(const std::string& path) {
    return path;
}

std::string FromFsPath(const std::filesystem::path& path) {
    return path.native();
}

PathSyntax NativePathSyntax() {
    return PosixPathSyntax();
}

// Windows' double-byte code pages, for paths spelt in them on any system.
bool IsLeadByte(unsigned codePage, unsigned char byte) {
    switch (codePage) {
        case 932:  // Japanese (Shift-JIS)
            return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        case 936:  // Simplified Chinese (GBK)
        case 949:  // Korean
        case 950:  // Traditional Chinese (Big5)
            return byte >= 0x81 && byte <= 0xFE;
        default:
            return false;
    }
}

}  // namespace tavrin::platform
