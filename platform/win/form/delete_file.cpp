#include "platform/win/form/delete_file.h"

#include <windows.h>

namespace tavrin::platform {

bool DeleteNamedFile(const char* name) {
    return DeleteFileA(name != nullptr ? name : "") != 0;
}

}  // namespace tavrin::platform
