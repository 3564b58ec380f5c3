#pragma once
// The ICO file: its layout, writer and reader.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "icons/byte_reader.h"
#include "icons/extract_problem.h"
#include "icons/icon_image.h"

namespace tavrin::icons {

inline constexpr std::size_t kIcoHeaderSize = 6;
inline constexpr std::size_t kIcoEntrySize = 16;

// Receives the file's bytes piece by piece; false stops the writing.
using ByteSink = std::function<bool(Bytes)>;

// The size of the ICO file that holds `set`, or none when an image offset
// would not fit the format's 32 bits.
std::optional<std::uint64_t> IcoFileSize(const IconImageSet& set);

// The largest icon file written. No icon needs more; only a group or file
// that lists its images many times over comes near, and this bounds the time
// and disk space one extraction can take.
inline constexpr std::uint64_t kMaxIcoFileSize = std::uint64_t{256} << 20;

// IcoFileSize when the file is no larger than kMaxIcoFileSize, else none.
std::optional<std::uint64_t> WritableIcoFileSize(const IconImageSet& set);

// Lays out `set` as an ICO file: header, directory from the images' own
// headers, images packed in order, and a DIB's biSizeImage written as 0.
// False when the set does not fit the format or kMaxIcoFileSize, or the sink
// refused bytes.
bool SerializeIco(const IconImageSet& set, const ByteSink& sink);

// Writes `set` to `path`, replacing any file there. A failed write leaves
// what was written. Returns whether the whole file was written.
bool WriteIcoFileReporting(const IconImageSet& set, const std::string& path);

// As above, reporting nothing.
void WriteIcoFile(const IconImageSet& set, const std::string& path);

struct IcoReadResult {
    std::optional<IconImageSet> set;
    ExtractProblem problem = ExtractProblem::kNone;  // kUnreadable or kNotAnIconFile
};

// Reads an ICO file opened without sharing; every entry must lie inside the
// file.
IcoReadResult ReadIcoFileReporting(const std::string& path);

// Reads an ICO file held in memory.
IcoReadResult ReadIcoBytes(Bytes bytes);

std::optional<IconImageSet> ReadIcoFile(const std::string& path);

}  // namespace tavrin::icons
