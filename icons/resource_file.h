#pragma once
// Where a module's icon groups may be kept instead. Since Windows 10 1903 system
// modules such as imageres.dll keep their icons in a separate resource file,
// <Windows>\SystemResources\<module file name>.mun, and hold no icon group
// themselves.

#include <string>
#include <string_view>

namespace tavrin::icons {

// The resource file that belongs to the module at `modulePath`: the file
// "<module file name>.mun" in the folder SystemResources beside the module's
// folder, spelt as the module's folder followed by "..", split by the
// system's path syntax (platform/files/path.h). Empty when the path names no
// file.
std::string ResourceFilePathFor(std::string_view modulePath);

}  // namespace tavrin::icons
