#include "icons/resource_name.h"

namespace tavrin::icons {
namespace {

char16_t AsciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c;
}

}  // namespace

bool SameResourceName(const ResourceName& a, const ResourceName& b) {
    if (a.index() != b.index()) {
        return false;
    }
    if (const auto* number = std::get_if<std::uint16_t>(&a)) {
        return *number == std::get<std::uint16_t>(b);
    }
    const auto& left = std::get<std::u16string>(a);
    const auto& right = std::get<std::u16string>(b);
    if (left.size() != right.size()) {
        return false;
    }
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (AsciiLower(left[i]) != AsciiLower(right[i])) {
            return false;
        }
    }
    return true;
}

std::string DescribeResourceName(const ResourceName& name) {
    if (const auto* number = std::get_if<std::uint16_t>(&name)) {
        return std::to_string(*number);
    }
    std::string text;
    for (char16_t c : std::get<std::u16string>(name)) {
        text += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return text;
}

}  // namespace tavrin::icons
