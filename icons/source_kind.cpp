#include "icons/source_kind.h"

namespace tavrin::icons {

std::string SourceKind(std::string_view path) {
    std::string kind(path.size() < 3 ? path : path.substr(path.size() - 3));
    for (char& c : kind) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return kind;
}

SourceFormat FormatOfSource(std::string_view path) {
    const std::string kind = SourceKind(path);
    if (kind == "ico") {
        return SourceFormat::kIcoFile;
    }
    if (kind == "exe" || kind == "dll" || kind == "icl") {
        return SourceFormat::kModule;
    }
    return SourceFormat::kUnknown;
}

}  // namespace tavrin::icons
