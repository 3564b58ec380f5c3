#pragma once
// Why a source gave no icon file: the one account of failure that every
// reader and writer of the engine reports in.

namespace tavrin::icons {

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

}  // namespace tavrin::icons
