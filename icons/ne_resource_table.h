#pragma once
// The resources of a 16-bit NE module (classic exe, dll and most .icl icon
// libraries), read from the file's bytes: nothing of the module runs.

#include <memory>

#include "icons/resource_table.h"

namespace tavrin::icons {

// None when `file` is not an NE module. A resource table that is absent,
// cut short or inconsistent gives a table without names. NE stores no
// languages and only rounded-up lengths, so every resource it gives has
// `lengthIsRoundedUp` set. The table refers into `file`.
std::unique_ptr<ResourceTable> ReadNeResources(Bytes file);

}  // namespace tavrin::icons
