#pragma once
// A source of icon groups, opened once from a path: a module (exe, dll,
// icl; PE or NE), or an icon file, which is one icon. Every question about
// the source is answered from the bytes mapped when it was opened.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "icons/extract_problem.h"
#include "icons/icon_image.h"
#include "icons/module.h"
#include "icons/source_kind.h"
#include "platform/files/file.h"

namespace tavrin::icons {

struct IconGroup {
    std::optional<IconImageSet> set;
    ExtractProblem problem = ExtractProblem::kNone;  // why there is no set
};

class IconSource {
  public:
    // Opens `path` as its last three characters say. A module is mapped so
    // that others may read it; an icon file so that nobody may open it
    // meanwhile. A module without icon groups of its own is read through its
    // resource file (.mun) where that file has some. `userLanguage` takes
    // part in choosing among a resource's languages.
    static IconSource Open(const std::string& path, std::optional<std::uint16_t> userLanguage);
    // The same with the format given instead of taken from the path's end.
    static IconSource OpenAs(const std::string& path, SourceFormat format,
                             std::optional<std::uint16_t> userLanguage);

    IconSource(IconSource&&) noexcept = default;
    IconSource& operator=(IconSource&&) noexcept = default;
    IconSource(const IconSource&) = delete;
    IconSource& operator=(const IconSource&) = delete;
    ~IconSource() = default;

    SourceFormat Format() const { return format_; }
    // Why the source has no icon group; kNone when it has one.
    ExtractProblem Problem() const;
    std::size_t GroupCount(GroupKind kind = GroupKind::kIcon) const;
    // The group at `position` (from 0) in the order the source stores them;
    // in `wanted` language where the group and its images have it.
    IconGroup GroupAt(std::size_t position, GroupKind kind = GroupKind::kIcon,
                      std::optional<std::uint16_t> wanted = std::nullopt) const;
    // A module group's resource name and stored languages; none and empty
    // for an icon file.
    std::optional<ResourceName> GroupName(std::size_t position,
                                          GroupKind kind = GroupKind::kIcon) const;
    std::vector<std::uint16_t> GroupLanguages(std::size_t position,
                                              GroupKind kind = GroupKind::kIcon) const;
    // Animated cursors (RT_ANICURSOR): how many, and one's bytes as stored,
    // valid while the source lives.
    std::size_t AnimatedCursorCount() const;
    std::optional<Bytes> AnimatedCursorAt(std::size_t position) const;
    // The resource file read in the module's place, or empty.
    const std::string& ResourceFile() const { return resourceFile_; }
    // The module's resources; null for an icon file or a source not opened.
    const ResourceTable* Resources() const;
    // The identity of the module file read, when that is the file the path
    // names (not its resource file); else none.
    std::optional<platform::FileIdentity> ModuleIdentity() const;

  private:
    IconSource() = default;

    SourceFormat format_ = SourceFormat::kUnknown;
    ExtractProblem openProblem_ = ExtractProblem::kNone;  // why it could not be read at all
    std::optional<Module> module_;
    std::optional<platform::MappedFile> icoFile_;
    std::optional<IconImageSet> icoSet_;
    std::string resourceFile_;
};

}  // namespace tavrin::icons
