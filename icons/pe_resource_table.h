#pragma once
// The resources of a PE32 or PE32+ module of any machine, read from the
// file's bytes as a data file: nothing of the module runs.

#include <cstdint>
#include <memory>
#include <optional>

#include "icons/resource_table.h"

namespace tavrin::icons {

// None when `file` is not a PE module. A module without a resource section
// gives a table without names. The table refers into `file`. Where a name
// has several languages, `userLanguage` takes part in choosing one.
std::unique_ptr<ResourceTable> ReadPeResources(Bytes file,
                                               std::optional<std::uint16_t> userLanguage);

}  // namespace tavrin::icons
