#pragma once
// Resource names as text for people and JSON. A name is always shown as
// valid UTF-8; what cannot be shown exactly (an unpaired UTF-16 surrogate in
// a PE name, a byte above 0x7F in an NE name, whose code page the module
// does not record) appears as U+FFFD, and the stored units are kept beside
// it so that nothing is lost.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "icons/resource_name.h"
#include "icons/resource_table.h"

namespace tavrin::tools {

struct NameText {
    std::string utf8;
    // The stored code units (PE: UTF-16 units; NE: bytes), only when utf8
    // is not exactly the stored name.
    std::optional<std::vector<std::uint16_t>> raw;
};

NameText RenderName(const std::u16string& name, icons::ModuleFormat format);

// For one line of a listing: control characters as U+FFFD too.
std::string PrintableName(const NameText& text);

// The name a user typed (UTF-8, or bytes as they are) as `format` stores it.
std::u16string StoredFormOf(const std::string& typed, icons::ModuleFormat format);

}  // namespace tavrin::tools
