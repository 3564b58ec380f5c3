#pragma once
#include <windows.h>

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavrin::platform {

// Whether a CF_HDROP block (a DROPFILES header, then NUL-terminated paths
// ended by an empty one, ANSI or UTF-16; an empty list is two NULs) lies
// wholly inside its bytes, so that the shell's own readers never run past it.
bool IsWellFormedFileList(std::span<const std::byte> block);

// One path stands alone; two or more each end with CR LF; none give "".
std::string JoinDroppedPaths(const std::vector<std::string>& paths);

// The dropped paths, read with DragQueryFileA in list order and joined.
// None when the block is not a well-formed file list.
std::optional<std::string> DroppedFilesText(HGLOBAL fileList);

}  // namespace tavrin::platform
