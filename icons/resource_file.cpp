#include "icons/resource_file.h"

#include "platform/files/path.h"

namespace tavrin::icons {
namespace {

constexpr std::string_view kResourceFolder = "SystemResources";
constexpr std::string_view kResourceFileSuffix = ".mun";

}  // namespace

std::string ResourceFilePathFor(std::string_view modulePath) {
    const platform::PathSyntax syntax = platform::NativePathSyntax();
    const std::size_t nameStart = platform::FileNameStart(modulePath, syntax);
    const std::string_view folder = modulePath.substr(0, nameStart);
    const std::string_view name = modulePath.substr(nameStart);
    if (name.empty()) {
        return {};
    }
    // The resource file is spelt with the separator the module's path uses.
    const bool endsInSeparator =
        nameStart > 0 && platform::LastSeparator(folder, syntax) == nameStart - 1;
    const char separator = endsInSeparator ? folder.back() : syntax.preferredSeparator;
    // ".." lets the system find the folder's parent, which also holds for a
    // relative path, the current folder or a drive's root.
    std::string path(folder);
    path += "..";
    path += separator;
    path += kResourceFolder;
    path += separator;
    path += name;
    path += kResourceFileSuffix;
    return path;
}

}  // namespace tavrin::icons
