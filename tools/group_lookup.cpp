#include "tools/group_lookup.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "tools/problem_text.h"

namespace tavrin::tools {

using icons::GroupKind;
using icons::IconSource;

std::string NothingToGive(const IconSource& source, GroupKind kind) {
    // Without resources the source is an icon file or could not be read.
    if (source.Resources() == nullptr && source.Problem() != icons::ExtractProblem::kNone) {
        return Reason(source.Problem(), kind);
    }
    const std::size_t animated = kind == GroupKind::kCursor ? source.AnimatedCursorCount() : 0;
    if (source.GroupCount(kind) + animated == 0) {
        return Reason(icons::ExtractProblem::kNoIconGroups, kind);
    }
    return "";
}

const char* FormatName(const IconSource& source) {
    const auto* resources = source.Resources();
    if (resources == nullptr) {
        return "ico";
    }
    switch (resources->Format()) {
        case icons::ModuleFormat::kPe32:
            return "pe32";
        case icons::ModuleFormat::kPe32Plus:
            return "pe32+";
        case icons::ModuleFormat::kNe:
            break;
    }
    return "ne";
}

ResourceLabel LabelOf(const IconSource& source, std::optional<icons::ResourceName> name) {
    ResourceLabel label;
    if (!name) {
        return label;
    }
    if (const auto* number = std::get_if<std::uint16_t>(&*name)) {
        label.id = *number;
    } else {
        label.name = RenderName(std::get<std::u16string>(*name), source.Resources()->Format());
    }
    return label;
}

void KeepClosestImage(icons::IconImageSet& set, int size) {
    if (set.images.empty()) {
        return;
    }
    // Smaller is better: distance, then larger, then deeper.
    const auto rank = [size](const icons::IconImage& image) {
        return std::make_tuple(std::abs(image.width - size), -image.width,
                               -static_cast<int>(image.bitCount));
    };
    const auto best =
        std::min_element(set.images.begin(), set.images.end(),
                         [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
    set.images = {*best};
}

}  // namespace tavrin::tools
