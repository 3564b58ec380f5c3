#pragma once
// The sources a command line names, each with the folder its files go to.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "icons/icon_source.h"
#include "icons/source_kind.h"
#include "tools/options.h"

namespace tavrin::tools {

struct SourceTask {
    std::string path;
    // Set by a known extension; none: the engine decides from the path.
    std::optional<icons::SourceFormat> format;
    std::string outputDir;  // empty: the current folder
    std::string problem;    // an argument that is no source at all
};

// In argument order; a folder walked with -r gives its files sorted by path.
std::vector<SourceTask> PlanSources(const Options& options);

// The format that an extension -r looks for gives: ico an icon file;
// exe, dll, icl, cpl, ocx, scr, mun, sys a module.
std::optional<icons::SourceFormat> FormatOfExtension(const std::string& path);

icons::IconSource OpenSource(const SourceTask& task, std::optional<std::uint16_t> userLanguage);

}  // namespace tavrin::tools
