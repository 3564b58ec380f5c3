#pragma once
// Icon groups of a module: an RT_GROUP_ICON directory and the RT_ICON
// images it names.

#include <optional>
#include <string>

#include "icons/icon_image.h"
#include "icons/resource_table.h"

namespace tavrin::icons {

// The images that the group resource `group` lists, in its order. None when
// the group is shorter than its entries or one of its images is missing: a
// group with a missing image yields no file at all.
std::optional<IconImageSet> BuildIconGroup(const ResourceTable& resources,
                                           const ResourceData& group);

// The group at `position` among the module's groups in stored order, built
// as above; none when there is no such group or it cannot be built.
std::optional<IconImageSet> BuildIconGroupAt(const ResourceTable& resources, std::size_t position);

}  // namespace tavrin::icons
