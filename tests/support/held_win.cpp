#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstdint>

#include "tests/support/held.h"
#include "tests/support/scoped_handle_win.h"

namespace tavrin::test {
namespace {

// An open asking for no sharing meets every handle still open on the file.
bool HandleOpen(const std::string& path) {
    const ScopedHandle other =
        TakeFileHandle(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return !other && GetLastError() == ERROR_SHARING_VIOLATION;
}

// A view outlives its handles and holds no share mode, so the process's own
// views are looked through. The system names a view's file after a device
// (\Device\HarddiskVolume1\...) or, in Wine, after \??\C:\...: only the path
// after the drive is compared.
bool ViewMapped(const std::string& path) {
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        return false;
    }
    char long_name[MAX_PATH];
    length = GetLongPathNameA(full, long_name, MAX_PATH);
    if (length < 3 || length >= MAX_PATH) {
        return false;
    }
    const std::string tail(long_name + 2, length - 2);
    MEMORY_BASIC_INFORMATION info{};
    for (std::uintptr_t at = 0;
         VirtualQuery(reinterpret_cast<const void*>(at), &info, sizeof info) == sizeof info;
         at = reinterpret_cast<std::uintptr_t>(info.BaseAddress) + info.RegionSize) {
        if (info.Type != MEM_MAPPED) {
            continue;
        }
        char name[MAX_PATH];
        const DWORD got = GetMappedFileNameA(GetCurrentProcess(), info.BaseAddress, name, MAX_PATH);
        if (got >= tail.size() && lstrcmpiA(name + got - tail.size(), tail.c_str()) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool Held(const std::string& path) {
    return HandleOpen(path) || ViewMapped(path);
}

}  // namespace tavrin::test
