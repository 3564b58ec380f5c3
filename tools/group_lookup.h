#pragma once
// What both listing and extraction ask of a source before its groups.

#include <optional>
#include <string>

#include "icons/icon_source.h"
#include "tools/name_text.h"

namespace tavrin::tools {

// Why `source` has nothing of `kind` to give (counting animated cursors
// with cursor groups), or empty.
std::string NothingToGive(const icons::IconSource& source, icons::GroupKind kind);

// "pe32", "pe32+", "ne" or "ico".
const char* FormatName(const icons::IconSource& source);

// A group's or animated cursor's resource number or name; none for an icon
// file.
struct ResourceLabel {
    std::optional<std::uint16_t> id;
    std::optional<NameText> name;
};
ResourceLabel LabelOf(const icons::IconSource& source, std::optional<icons::ResourceName> name);

// Keeps the image closest to `size` pixels wide; ties go to the larger, then
// the deeper.
void KeepClosestImage(icons::IconImageSet& set, int size);

}  // namespace tavrin::tools
