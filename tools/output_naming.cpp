#include "tools/output_naming.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace tavrin::tools {
namespace {

constexpr std::array<std::string_view, 8> kFields = {"n",      "id",    "name",   "lang",
                                                     "source", "width", "height", "bits"};

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

std::string LanguageText(std::optional<std::uint16_t> language) {
    if (!language) {
        return "none";
    }
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "%04x", static_cast<unsigned>(*language));
    return text.data();
}

std::string FieldValue(std::string_view field, const NameFields& fields) {
    if (field == "n") {
        return std::to_string(fields.position);
    }
    if (field == "id") {
        return fields.id;
    }
    if (field == "name") {
        return fields.name;
    }
    if (field == "lang") {
        return LanguageText(fields.language);
    }
    if (field == "source") {
        return fields.source;
    }
    if (field == "width") {
        return std::to_string(fields.width);
    }
    if (field == "height") {
        return std::to_string(fields.height);
    }
    return std::to_string(fields.bits);
}

// Calls `literal` for the template's plain text and `field` for each
// placeholder; false at the first malformed or unknown placeholder.
template <typename Literal, typename Field>
bool Walk(std::string_view text, Literal literal, Field field) {
    while (!text.empty()) {
        const std::size_t open = text.find('{');
        literal(text.substr(0, open));
        if (open == std::string_view::npos) {
            return text.find('}') == std::string_view::npos;
        }
        if (text.substr(0, open).find('}') != std::string_view::npos) {
            return false;
        }
        const std::size_t close = text.find('}', open);
        if (close == std::string_view::npos) {
            return false;
        }
        const std::string_view name = text.substr(open + 1, close - open - 1);
        bool known = false;
        for (std::string_view f : kFields) {
            known = known || f == name;
        }
        if (!known) {
            return false;
        }
        field(name);
        text.remove_prefix(close + 1);
    }
    return true;
}

}  // namespace

std::string CheckNameTemplate(const std::string& text) {
    bool separator = false;
    const bool wellFormed = Walk(
        text,
        [&](std::string_view literal) {
            separator = separator || literal.find_first_of("/\\:") != std::string_view::npos;
        },
        [](std::string_view) {});
    if (!wellFormed) {
        return "unknown or unclosed {placeholder}; known: {n} {id} {name} {lang} {source} "
               "{width} {height} {bits}";
    }
    if (separator) {
        return "a file name, not a path: no / \\ or :";
    }
    return "";
}

bool NamesImage(const std::string& text) {
    bool names = false;
    Walk(
        text, [](std::string_view) {},
        [&](std::string_view field) {
            names = names || field == "width" || field == "height" || field == "bits";
        });
    return names;
}

std::string ExpandName(const std::string& text, const NameFields& fields) {
    std::string out;
    Walk(
        text, [&](std::string_view literal) { out += SafeFileNamePart(std::string(literal)); },
        [&](std::string_view field) { out += SafeFileNamePart(FieldValue(field, fields)); });
    // "." and ".." name folders, and Windows drops a name's trailing dots.
    if (out.find_first_not_of('.') == std::string::npos) {
        out = "_" + out;
    }
    return out;
}

std::string SafeFileNamePart(const std::string& text) {
    std::string out;
    for (char c : text) {
        const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        out += kept ? c : '_';
    }
    return out;
}

std::string UniqueNames::Claim(const std::string& stem, const std::string& extension) {
    std::string name = stem + extension;
    for (int copy = 2; !taken_.insert(Lower(name)).second; ++copy) {
        name = stem + "~" + std::to_string(copy) + extension;
    }
    return name;
}

}  // namespace tavrin::tools
