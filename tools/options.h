#pragma once
// What the command line asks for, parsed once before any source is opened.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrin::tools {

struct Options {
    std::vector<std::string> sources;
    // The legacy SOURCE [DIR] form's DIR, or -o's folder.
    std::string outputDir;
    bool batch = false;  // -o given: one folder per source below outputDir
    bool recursive = false;

    bool list = false;
    bool json = false;

    // At most one of these three.
    std::optional<std::size_t> group;  // from 1
    std::optional<std::string> resource;
    std::optional<long long> index;  // from 0; negative: a resource ID

    std::optional<std::uint16_t> language;
    bool allLanguages = false;
    bool cursors = false;
    bool png = false;
    std::optional<int> size;

    std::string nameTemplate;  // empty: the default for the other options
    bool quiet = false;
    bool verbose = false;
};

struct ParsedCommandLine {
    std::optional<Options> options;  // none: stop with exitCode
    int exitCode = 0;
};

// Prints help, version or the argument error itself.
ParsedCommandLine ParseCommandLine(int argc, char** argv);

}  // namespace tavrin::tools
