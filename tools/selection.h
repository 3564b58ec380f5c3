#pragma once
// Which groups of a source, in which languages, the options ask for.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "icons/icon_source.h"
#include "tools/options.h"

namespace tavrin::tools {

struct Pick {
    std::size_t position = 0;               // from 0
    std::optional<std::uint16_t> wanted;    // passed to GroupAt
    std::optional<std::uint16_t> language;  // the one taken; none for an icon file
};

struct Selection {
    std::vector<Pick> picks;  // in stored order
    std::string problem;      // why nothing was picked, when a selection option failed
};

Selection SelectGroups(const icons::IconSource& source, icons::GroupKind kind,
                       const Options& options, std::optional<std::uint16_t> userLanguage);

struct SourceTask;

// A task's source opened and its groups picked, or why not: what writing and
// listing both start from.
struct OpenedSource {
    std::optional<icons::IconSource> source;
    Selection selection;
    std::string problem;  // empty when both hold
};
OpenedSource OpenAndSelect(const SourceTask& task, icons::GroupKind kind, const Options& options,
                           std::optional<std::uint16_t> userLanguage);

// Whether any of --group, --resource, --index was given.
bool SelectsOne(const Options& options);

// The stored name of the resource --resource names, typed as `text`.
icons::ResourceName TypedResourceName(const std::string& text, icons::ModuleFormat format);

}  // namespace tavrin::tools
