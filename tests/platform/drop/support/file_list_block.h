#pragma once
#include <windows.h>

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace tavrin::test {

// The bytes of a CF_HDROP block: a DROPFILES header, each path with its NUL,
// then the empty path that ends the list (so an empty list is two NULs).
std::vector<std::byte> AnsiFileListBlock(const std::vector<std::string>& paths);
std::vector<std::byte> WideFileListBlock(const std::vector<std::wstring>& paths);

// Movable global memory holding a copy of the bytes; null when out of memory.
HGLOBAL CopyToGlobal(std::span<const std::byte> bytes);

}  // namespace tavrin::test
