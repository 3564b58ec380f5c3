#pragma once
// --list: a source's groups and their images, as text or as JSON.

#include "tools/options.h"
#include "tools/source_plan.h"
#include "tools/source_report.h"

namespace tavrin::tools {

SourceReport ListSource(const SourceTask& task, const Options& options);

}  // namespace tavrin::tools
