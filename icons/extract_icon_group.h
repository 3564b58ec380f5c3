#pragma once
// The extraction operation: the index-th icon group of a source, written as
// an ICO file. The calls the Windows program makes, over IconSource; the only
// place in the engine that asks the platform for the user's language.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "icons/extract_problem.h"
#include "icons/icon_image.h"
#include "icons/resource_name.h"

namespace tavrin::icons {

struct ExtractReport {
    int count = 0;  // what ExtractIconGroup returns
    bool written = false;
    std::size_t imageCount = 0;  // of the file written
    ExtractProblem problem = ExtractProblem::kNone;
};

// Finds the index-th (from 1; below 1 counts as 1) icon group of `source` and,
// for mode 0, writes it to `output`. Returns the number of groups of the
// source (1 for an icon file) when the index lies within it, else 0; the
// result does not say whether a file was written. Each call opens the source
// anew and leaves nothing open.
int ExtractIconGroup(const char* source, int mode, const char* output, int index);

// As above, also saying whether a file was written and why not.
ExtractReport ExtractIconGroupReporting(std::string_view source, int mode, std::string_view output,
                                        int index);

// Opens the module at `modulePath` (or its resource file) and builds its
// icon group `name`: a number exactly, a text case-insensitively.
std::optional<IconImageSet> LoadIconGroup(const std::string& modulePath, const ResourceName& name);

}  // namespace tavrin::icons
