#pragma once
// The extraction operation: the index-th icon group of a source, written as
// an ICO file.

#include <string>
#include <string_view>

#include "icons/source_kind.h"

namespace tavrin::icons {

// Why an extraction wrote nothing, for callers that tell the user.
enum class ExtractProblem {
    kNone,
    kNotWanted,         // a mode other than 0, or no output path
    kUnknownKind,       // not an exe, dll, icl or ico path
    kUnreadable,        // the source cannot be opened or read
    kNotAModule,        // exe, dll or icl, but no module
    kNotAnIconFile,     // ico, but not a valid icon file
    kNoIconGroups,      // a module without icon groups
    kIndexBeyondCount,  // fewer groups than the index
    kGroupUnreadable,   // the group or one of its images is damaged or missing
    kOutputNotIco,      // the output path's kind is not ico
    kWriteFailed,       // the output file could not be written whole
};

struct ExtractReport {
    int count = 0;  // what ExtractIconGroup returns
    bool written = false;
    std::size_t imageCount = 0;  // of the file written
    ExtractProblem problem = ExtractProblem::kNone;
};

// Finds the index-th (from 1; below 1 counts as 1) icon group of `source` and,
// for mode 0, writes it to `output`. Returns the number of groups of the
// source (1 for an icon file) when the index lies within it, else 0; the
// result does not say whether a file was written. Not re-entrant: the
// enumeration state is process-wide.
int ExtractIconGroup(const char* source, int mode, const char* output, int index);

ExtractReport ExtractIconGroupReporting(std::string_view source, int mode, std::string_view output,
                                        int index);

struct SourceSummary {
    int groupCount = 0;
    ExtractProblem problem = ExtractProblem::kNone;  // why there is no group
};

// Counts the icon groups of `source` without writing anything.
SourceSummary InspectSource(std::string_view source);

}  // namespace tavrin::icons
