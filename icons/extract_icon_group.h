#pragma once
// The extraction operation: the index-th icon group of a source, written as
// an ICO file.

#include <memory>
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

// Keeps one module open across calls, for a caller that takes every group of
// one source in a row. The Windows program does without: each of its calls
// opens the source anew, so no file stays open between presses.
class ExtractSession {
  public:
    ExtractSession();
    ExtractSession(const ExtractSession&) = delete;
    ExtractSession& operator=(const ExtractSession&) = delete;
    ~ExtractSession();

  private:
    friend class SessionAccess;
    struct Opened;
    std::unique_ptr<Opened> opened_;
};

ExtractReport ExtractIconGroupReporting(std::string_view source, int mode, std::string_view output,
                                        int index, ExtractSession* session = nullptr);

struct SourceSummary {
    int groupCount = 0;
    ExtractProblem problem = ExtractProblem::kNone;  // why there is no group
};

// Counts the icon groups of `source` without writing anything.
SourceSummary InspectSource(std::string_view source, ExtractSession* session = nullptr);

}  // namespace tavrin::icons
