#include "tools/name_text.h"

namespace tavrin::tools {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsHigh(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLow(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Decodes UTF-8; none when `text` is not valid UTF-8.
std::optional<std::u32string> DecodeUtf8(const std::string& text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || i + length > text.size()) {
            return std::nullopt;
        }
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            c = (c << 6) | (next & 0x3F);
        }
        if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF || (length == 3 && c < 0x800) ||
            (length == 4 && c < 0x10000)) {
            return std::nullopt;
        }
        out += c;
        i += length;
    }
    return out;
}

}  // namespace

NameText RenderName(const std::u16string& name, icons::ModuleFormat format) {
    NameText text;
    bool exact = true;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t c = name[i];
        if (format == icons::ModuleFormat::kNe) {
            exact = exact && c < 0x80;
            AppendUtf8(text.utf8, c < 0x80 ? c : kReplacement);
        } else if (IsHigh(c) && i + 1 < name.size() && IsLow(name[i + 1])) {
            AppendUtf8(text.utf8, 0x10000 + ((c - 0xD800) << 10) + (name[i + 1] - 0xDC00));
            ++i;
        } else if (IsHigh(c) || IsLow(c)) {
            exact = false;
            AppendUtf8(text.utf8, kReplacement);
        } else {
            AppendUtf8(text.utf8, c);
        }
    }
    if (!exact) {
        text.raw.emplace(name.begin(), name.end());
    }
    return text;
}

std::string PrintableName(const NameText& text) {
    std::string out;
    for (char c : text.utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            AppendUtf8(out, kReplacement);
        } else {
            out += c;
        }
    }
    return out;
}

std::u16string StoredFormOf(const std::string& typed, icons::ModuleFormat format) {
    const auto decoded = format == icons::ModuleFormat::kNe ? std::nullopt : DecodeUtf8(typed);
    if (!decoded) {
        std::u16string bytes;
        for (char c : typed) {
            bytes += static_cast<char16_t>(static_cast<unsigned char>(c));
        }
        return bytes;
    }
    std::u16string out;
    for (char32_t c : *decoded) {
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

}  // namespace tavrin::tools
