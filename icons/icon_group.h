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

// The same for icon or cursor groups (RT_GROUP_CURSOR naming RT_CURSOR
// images, each led by its hotspot), with `wanted` as the language to take
// where a group or image has it.
std::optional<IconImageSet> BuildGroup(const ResourceTable& resources, const ResourceData& group,
                                       GroupKind kind, std::optional<std::uint16_t> wanted);
std::optional<IconImageSet> BuildGroupAt(const ResourceTable& resources, GroupKind kind,
                                         std::size_t position, std::optional<std::uint16_t> wanted);

// RT_GROUP_ICON or RT_GROUP_CURSOR.
constexpr std::uint16_t GroupResourceType(GroupKind kind) {
    return kind == GroupKind::kCursor ? kResourceTypeGroupCursor : kResourceTypeGroupIcon;
}

}  // namespace tavrin::icons
