#pragma once
// Runs one piece of work per source on a few threads, handing the results
// over in source order.

#include <cstddef>
#include <functional>

#include "tools/source_report.h"

namespace tavrin::tools {

// `work(i)` runs on a worker thread for every i below `count`; `deliver`
// runs on the calling thread, once per i, in order of i. With `progress`,
// a "done of total" line on stderr is kept up to date, rewritten in place.
void RunInOrder(std::size_t count, const std::function<SourceReport(std::size_t)>& work,
                const std::function<void(SourceReport&)>& deliver, bool progress);

}  // namespace tavrin::tools
