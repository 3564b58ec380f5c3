#include "icons/module_source.h"

namespace tavrin::icons {
namespace {

// Bytes are compared, not characters: in a double-byte code page a trail
// byte can equal '\'. Resource files exist only on Windows 10 1903 and
// later, where the manifest gives the program the UTF-8 code page, in which
// no trail byte is ASCII; elsewhere a misread name finds no file.
#ifdef _WIN32
constexpr std::string_view kSeparators = "\\/";
constexpr char kPreferredSeparator = '\\';
#else
constexpr std::string_view kSeparators = "/";
constexpr char kPreferredSeparator = '/';
#endif

constexpr std::string_view kResourceFolder = "SystemResources";
constexpr std::string_view kResourceFileSuffix = ".mun";

// Where the module's file name starts; all before it names its folder.
std::size_t FileNameStart(std::string_view path) {
    const std::size_t last = path.find_last_of(kSeparators);
    if (last != std::string_view::npos) {
        return last + 1;
    }
#ifdef _WIN32
    const bool driveLetter = path.size() >= 2 && ((path[0] >= 'A' && path[0] <= 'Z') ||
                                                  (path[0] >= 'a' && path[0] <= 'z'));
    if (driveLetter && path[1] == ':') {
        return 2;  // "C:name" lies in drive C's current folder
    }
#endif
    return 0;
}

}  // namespace

std::string ResourceFilePathFor(std::string_view modulePath) {
    const std::size_t nameStart = FileNameStart(modulePath);
    const std::string_view folder = modulePath.substr(0, nameStart);
    const std::string_view name = modulePath.substr(nameStart);
    if (name.empty()) {
        return {};
    }
    const bool endsInSeparator =
        !folder.empty() && kSeparators.find(folder.back()) != std::string_view::npos;
    const char separator = endsInSeparator ? folder.back() : kPreferredSeparator;
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

Module OpenIconSourceModule(const std::string& modulePath) {
    Module module = Module::Open(modulePath);
    if (module.Resources() == nullptr ||
        module.Resources()->CountNames(kResourceTypeGroupIcon) != 0) {
        return module;
    }
    const std::string resourceFile = ResourceFilePathFor(modulePath);
    if (resourceFile.empty()) {
        return module;
    }
    Module resources = Module::Open(resourceFile);
    if (resources.Resources() == nullptr ||
        resources.Resources()->CountNames(kResourceTypeGroupIcon) == 0) {
        return module;
    }
    return resources;
}

}  // namespace tavrin::icons
