#pragma once
// Where a module's icon groups are read from. Since Windows 10 1903 system
// modules such as imageres.dll keep their icons in a separate resource file,
// <Windows>\SystemResources\<module file name>.mun, and hold no icon group
// themselves.

#include <string>
#include <string_view>

#include "icons/module.h"

namespace tavrin::icons {

// The resource file that belongs to the module at `modulePath`: the file
// "<module file name>.mun" in the folder SystemResources beside the module's
// folder, spelt as the module's folder followed by "..". Separators are '\'
// and '/' on Windows (where a drive prefix "X:" also ends the folder), '/'
// elsewhere. Empty when the path names no file.
std::string ResourceFilePathFor(std::string_view modulePath);

// The module at `modulePath`; but when it holds no icon group and its
// resource file opens as a module that does, that file instead. A module
// with icon groups of its own is read as it is.
Module OpenIconSourceModule(const std::string& modulePath);

}  // namespace tavrin::icons
