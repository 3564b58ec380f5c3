#pragma once
// What the icon code needs of a module's resources, whatever the module's
// format: the names of one type in stored order, and a resource's bytes.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "icons/byte_reader.h"
#include "icons/resource_name.h"

namespace tavrin::icons {

inline constexpr std::uint16_t kResourceTypeCursor = 1;           // RT_CURSOR
inline constexpr std::uint16_t kResourceTypeIcon = 3;             // RT_ICON
inline constexpr std::uint16_t kResourceTypeGroupCursor = 12;     // RT_GROUP_CURSOR
inline constexpr std::uint16_t kResourceTypeGroupIcon = 14;       // RT_GROUP_ICON
inline constexpr std::uint16_t kResourceTypeAnimatedCursor = 21;  // RT_ANICURSOR

enum class ModuleFormat { kPe32, kPe32Plus, kNe };

struct ResourceData {
    Bytes bytes;  // inside the module's bytes
    // The format stores lengths only in alignment units, so `bytes` may hold
    // padding after the resource's real end.
    bool lengthIsRoundedUp = false;
};

// Where a name has several languages, `wanted` (when given) is taken if the
// name has it; otherwise the table's own choice applies (language_choice.h).
class ResourceTable {
  public:
    virtual ~ResourceTable() = default;

    virtual ModuleFormat Format() const = 0;

    // How many names `type` has. Names are counted and addressed by their
    // position in the order the module stores them; a name that cannot be
    // read is not there at all.
    virtual std::size_t CountNames(std::uint16_t type) const = 0;
    virtual std::optional<ResourceName> NameAt(std::uint16_t type, std::size_t position) const = 0;

    // The languages the name at `position` is stored in, in stored order.
    virtual std::vector<std::uint16_t> LanguagesAt(std::uint16_t type,
                                                   std::size_t position) const = 0;

    // The data of the resource at `position` among the names of `type`.
    std::optional<ResourceData> DataAt(std::uint16_t type, std::size_t position) const {
        return DataAt(type, position, std::nullopt);
    }
    virtual std::optional<ResourceData> DataAt(std::uint16_t type, std::size_t position,
                                               std::optional<std::uint16_t> wanted) const = 0;

    // The data of the resource `type`/`name`, picking a language when the
    // name has several; none when there is no such resource or its data lies
    // outside the module.
    virtual std::optional<ResourceData> Find(std::uint16_t type,
                                             const ResourceName& name) const = 0;

    // Find for many numbered names at once, in the order asked; one result
    // per id. Tables answer this without a walk per id.
    std::vector<std::optional<ResourceData>> FindNumbered(
        std::uint16_t type, std::span<const std::uint16_t> ids) const {
        return FindNumbered(type, ids, std::nullopt);
    }
    virtual std::vector<std::optional<ResourceData>> FindNumbered(
        std::uint16_t type, std::span<const std::uint16_t> ids,
        std::optional<std::uint16_t> wanted) const = 0;
};

}  // namespace tavrin::icons
