#include "platform/files/path.h"

#include <windows.h>

namespace tavrin::platform {

PathSyntax NativePathSyntax() {
    return WindowsPathSyntax(GetACP());
}

bool IsLeadByte(unsigned codePage, unsigned char byte) {
    return IsDBCSLeadByteEx(codePage, byte) != FALSE;
}

}  // namespace tavrin::platform
