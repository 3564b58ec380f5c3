#include "tools/selection.h"

#include "icons/language_choice.h"
#include "tools/group_lookup.h"
#include "tools/name_text.h"
#include "tools/source_plan.h"

namespace tavrin::tools {
namespace {

using icons::GroupKind;
using icons::IconSource;
using icons::ResourceName;

std::optional<std::size_t> PositionOfName(const IconSource& source, GroupKind kind,
                                          const ResourceName& wanted) {
    for (std::size_t position = 0; position < source.GroupCount(kind); ++position) {
        const auto name = source.GroupName(position, kind);
        if (name && icons::SameResourceName(*name, wanted)) {
            return position;
        }
    }
    return std::nullopt;
}

const char* GroupWord(GroupKind kind) {
    return kind == GroupKind::kCursor ? "cursor" : "icon";
}

// The one position the options name, or why there is none.
std::optional<std::size_t> NamedPosition(const IconSource& source, GroupKind kind,
                                         const Options& options, std::string& problem) {
    const std::size_t count = source.GroupCount(kind);
    const std::string of = " (the source has " + std::to_string(count) + " " + GroupWord(kind) +
                           " group" + (count == 1 ? ")" : "s)");
    const auto format =
        source.Resources() ? source.Resources()->Format() : icons::ModuleFormat::kPe32;
    if (options.group) {
        if (*options.group > count) {
            problem = "no group " + std::to_string(*options.group) + of;
            return std::nullopt;
        }
        return *options.group - 1;
    }
    if (options.index && *options.index >= 0) {
        if (static_cast<unsigned long long>(*options.index) >= count) {
            problem = "no icon at index " + std::to_string(*options.index) + of;
            return std::nullopt;
        }
        return static_cast<std::size_t>(*options.index);
    }
    ResourceName wanted;
    std::string shown;
    if (options.index) {
        const long long id = -*options.index;
        if (id > 0xFFFF) {
            problem = "no resource ID " + std::to_string(id);
            return std::nullopt;
        }
        wanted = static_cast<std::uint16_t>(id);
        shown = "ID " + std::to_string(id);
    } else {
        wanted = TypedResourceName(*options.resource, format);
        shown = *options.resource;
    }
    const auto position = PositionOfName(source, kind, wanted);
    if (!position) {
        problem = std::string("no ") + GroupWord(kind) + " group with resource " + shown;
    }
    return position;
}

}  // namespace

bool SelectsOne(const Options& options) {
    return options.group || options.resource || options.index;
}

ResourceName TypedResourceName(const std::string& text, icons::ModuleFormat format) {
    const bool digits = !text.empty() && text.size() <= 5 &&
                        text.find_first_not_of("0123456789") == std::string::npos;
    if (digits && std::stoul(text) <= 0xFFFF) {
        return static_cast<std::uint16_t>(std::stoul(text));
    }
    return StoredFormOf(text, format);
}

Selection SelectGroups(const IconSource& source, GroupKind kind, const Options& options,
                       std::optional<std::uint16_t> userLanguage) {
    Selection selection;
    std::vector<std::size_t> positions;
    if (SelectsOne(options)) {
        const auto position = NamedPosition(source, kind, options, selection.problem);
        if (!position) {
            return selection;
        }
        positions.push_back(*position);
    } else {
        for (std::size_t position = 0; position < source.GroupCount(kind); ++position) {
            positions.push_back(position);
        }
    }
    for (std::size_t position : positions) {
        const auto languages = source.GroupLanguages(position, kind);
        if (options.allLanguages && !languages.empty()) {
            for (std::uint16_t language : languages) {
                selection.picks.push_back({position, language, language});
            }
            continue;
        }
        const auto chosen = icons::ChooseLanguage(languages, userLanguage, options.language);
        selection.picks.push_back(
            {position, options.language,
             chosen ? std::optional<std::uint16_t>(languages[*chosen]) : std::nullopt});
    }
    return selection;
}

OpenedSource OpenAndSelect(const SourceTask& task, icons::GroupKind kind, const Options& options,
                           std::optional<std::uint16_t> userLanguage) {
    OpenedSource opened;
    if (!task.problem.empty()) {
        opened.problem = task.problem;
        return opened;
    }
    const icons::IconSource& source = opened.source.emplace(OpenSource(task, userLanguage));
    opened.problem = NothingToGive(source, kind);
    if (opened.problem.empty()) {
        opened.selection = SelectGroups(source, kind, options, userLanguage);
        opened.problem = opened.selection.problem;
    }
    return opened;
}

}  // namespace tavrin::tools
