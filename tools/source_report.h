#pragma once
// What one source gave, kept until its turn to be printed so that output
// stays in argument order whichever worker finished first.

#include <nlohmann/json.hpp>
#include <string>

namespace tavrin::tools {

struct SourceReport {
    std::string out;                // for stdout
    std::string errors;             // for stderr, always
    std::string notes;              // for stderr with -v
    nlohmann::ordered_json listed;  // the source's object for --list --json
    int written = 0;                // files written, or groups listed
    int failed = 0;                 // the source, or files of it, that failed
};

}  // namespace tavrin::tools
