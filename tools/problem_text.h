#pragma once
// What the tool says in its messages.

#include <cstdint>
#include <string>

#include "icons/extract_problem.h"
#include "icons/icon_image.h"

namespace tavrin::tools {

// The one-line reason printed for `problem`, worded for `kind`'s groups.
const char* Reason(icons::ExtractProblem problem, icons::GroupKind kind = icons::GroupKind::kIcon);

// A LANGID as messages and listings show it: 0x0409.
std::string LanguageText(std::uint16_t language);

}  // namespace tavrin::tools
