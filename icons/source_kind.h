#pragma once
// How a source is read is chosen by the last three characters of its path,
// nothing else: "fooexe" is an exe, "X.ICO" an icon file.

#include <string>
#include <string_view>

namespace tavrin::icons {

// The last three characters of `path` (all of a shorter path), with ASCII
// letters lowercased.
std::string SourceKind(std::string_view path);

enum class SourceFormat { kIcoFile, kModule, kUnknown };

SourceFormat FormatOfSource(std::string_view path);

}  // namespace tavrin::icons
