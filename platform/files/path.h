#pragma once
// Splitting and joining paths, by one rule for every caller. Paths are ANSI
// texts: exact bytes, scanned character by character in their code page, so
// the trail byte of a double-byte character is never taken for a separator.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tavrin::platform {

struct PathSyntax {
    std::string_view separators;  // every byte that ends a folder's name
    char preferredSeparator;      // the one put between a folder and a name
    bool drivePrefix;             // whether "X:" ends a folder, as in "C:name"
    unsigned codePage;            // whose double-byte characters are skipped whole
};

// Windows: '\' and '/', drive prefixes, in `codePage`.
PathSyntax WindowsPathSyntax(unsigned codePage);
// POSIX: '/' only; a byte is a character.
PathSyntax PosixPathSyntax();
// This system's syntax, in the process code page.
PathSyntax NativePathSyntax();

// Whether `byte` starts a double-byte character in `codePage`.
bool IsLeadByte(unsigned codePage, unsigned char byte);

// Where the last separator of `path` is, or npos.
std::size_t LastSeparator(std::string_view path, const PathSyntax& syntax);

// Where the file name at the end of `path` starts: all before it names its
// folder, separator included.
std::size_t FileNameStart(std::string_view path, const PathSyntax& syntax);

// A path as std::filesystem takes it, and back. The bytes are read in the
// process code page, as the A functions read them; std::filesystem alone
// would take each byte for a character on Windows.
std::filesystem::path ToFsPath(const std::string& path);
std::string FromFsPath(const std::filesystem::path& path);

// `name` inside `folder`: a separator between them unless `folder` is empty
// or already ends in one.
std::string JoinPath(std::string_view folder, std::string_view name, const PathSyntax& syntax);

}  // namespace tavrin::platform
