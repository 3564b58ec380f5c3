#pragma once
// File names from a template, and a source's names kept apart.

#include <cstdint>
#include <optional>
#include <set>
#include <string>

namespace tavrin::tools {

struct NameFields {
    std::size_t position = 0;  // from 1
    std::string id;            // the resource's number, or its name
    std::string name;          // its name; empty for a number
    std::optional<std::uint16_t> language;
    std::string source;  // the source's file name
    // One image, with --png.
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bits = 0;
};

// Empty when `text` is a usable template, else why not.
std::string CheckNameTemplate(const std::string& text);

// Whether the template names the image ({width}, {height} or {bits}).
bool NamesImage(const std::string& text);

// `text` (a checked template) filled in; every field made safe for a file
// name on any system. Never empty.
std::string ExpandName(const std::string& text, const NameFields& fields);

// Any text as a file name's part: ASCII letters, digits, '-', '_' and '.'
// kept, anything else '_'.
std::string SafeFileNamePart(const std::string& text);

// The names given out within one folder: a name given before (compared
// without ASCII case, as Windows does) gets ~2, ~3 ... before its extension.
class UniqueNames {
  public:
    std::string Claim(const std::string& stem, const std::string& extension);

  private:
    std::set<std::string> taken_;  // lowercased
};

}  // namespace tavrin::tools
