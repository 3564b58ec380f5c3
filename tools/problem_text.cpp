#include "tools/problem_text.h"

#include <cstdio>

namespace tavrin::tools {

using icons::ExtractProblem;

const char* Reason(ExtractProblem problem, icons::GroupKind kind) {
    const bool cursors = kind == icons::GroupKind::kCursor;
    switch (problem) {
        case ExtractProblem::kUnknownKind:
            return "not an exe, dll, icl or ico file";
        case ExtractProblem::kUnreadable:
            return "cannot be read";
        case ExtractProblem::kNotAModule:
            return "not a module";
        case ExtractProblem::kNotAnIconFile:
            return "not an icon file";
        case ExtractProblem::kNoIconGroups:
            return cursors ? "no cursor groups" : "no icon groups";
        case ExtractProblem::kGroupUnreadable:
            return cursors ? "no cursor group could be read" : "no icon group could be read";
        case ExtractProblem::kWriteFailed:
        case ExtractProblem::kOutputNotIco:
            return "cannot write the icon files";
        case ExtractProblem::kNone:
        case ExtractProblem::kNotWanted:
        case ExtractProblem::kIndexBeyondCount:
            break;
    }
    return "nothing to extract";
}

std::string LanguageText(std::uint16_t language) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04x", static_cast<unsigned>(language));
    return text;
}

}  // namespace tavrin::tools
