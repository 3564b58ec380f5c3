#pragma once

#include "icons/extract_problem.h"
#include "icons/icon_image.h"

namespace tavrin::tools {

// The one-line reason printed for `problem`, worded for `kind`'s groups.
const char* Reason(icons::ExtractProblem problem, icons::GroupKind kind = icons::GroupKind::kIcon);

}  // namespace tavrin::tools
