#pragma once
// Writing one source's selected groups, images or animated cursors.

#include "tools/options.h"
#include "tools/source_plan.h"
#include "tools/source_report.h"

namespace tavrin::tools {

SourceReport ExtractSource(const SourceTask& task, const Options& options);

}  // namespace tavrin::tools
