#include <array>
#include <cstring>
#include <vector>

#include "icons/ico_file.h"
#include "icons/packed_ranges.h"
#include "platform/files/file.h"

namespace tavrin::icons {
namespace {

constexpr std::uint16_t kIconType = 1;

// Reads an ICO file through `read(offset, out)` from a source of `size`
// bytes. The header and directory must be read whole; every entry is checked
// against the size before any image is read.
IcoReadResult ReadIco(std::uint64_t size,
                      const std::function<bool(std::uint64_t, std::span<std::uint8_t>)>& read) {
    const IcoReadResult notAnIconFile{std::nullopt, IcoReadProblem::kNotAnIconFile};
    std::array<std::uint8_t, kIcoHeaderSize> header{};
    if (!read(0, header)) {
        return notAnIconFile;
    }
    ByteReader head(header);
    const std::uint16_t count = head.U16(4);
    if (head.U16(0) != 0 || head.U16(2) != kIconType) {
        return notAnIconFile;
    }
    // The directory must fit the file before it is allocated.
    if (!Fits(size, kIcoHeaderSize, std::uint64_t{kIcoEntrySize} * count)) {
        return notAnIconFile;
    }
    std::vector<std::uint8_t> directory(kIcoEntrySize * count);
    if (!read(kIcoHeaderSize, directory)) {
        return notAnIconFile;
    }
    ByteReader entries(directory);
    std::vector<ByteRange> ranges(count);
    for (std::size_t i = 0; i < count; ++i) {
        ranges[i].length = entries.U32(i * kIcoEntrySize + 8);
        ranges[i].start = entries.U32(i * kIcoEntrySize + 12);
        if (!Fits(size, ranges[i].start, ranges[i].length)) {
            return notAnIconFile;
        }
    }
    const auto packed = PackRanges(
        ranges, [&](std::uint64_t start, std::uint64_t length, std::vector<std::uint8_t>& out) {
            const std::size_t at = out.size();
            out.resize(at + static_cast<std::size_t>(length));
            return read(start, std::span<std::uint8_t>(out).subspan(at));
        });
    if (!packed) {
        return notAnIconFile;
    }
    IconImageSet set;
    set.images.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        set.images.push_back(MakeIconImage(packed->storage, packed->offsets[i],
                                           static_cast<std::uint32_t>(ranges[i].length)));
    }
    return {std::move(set), IcoReadProblem::kNone};
}

}  // namespace

IcoReadResult ReadIcoFileReporting(const std::string& path) {
    auto file = platform::ExclusiveInputFile::Open(path);
    const auto size = file ? file->Size() : std::nullopt;
    if (!size) {
        return {std::nullopt, IcoReadProblem::kUnreadable};
    }
    return ReadIco(*size, [&](std::uint64_t offset, std::span<std::uint8_t> out) {
        return file->SeekFromStart(offset) && file->Read(out.data(), out.size()) == out.size();
    });
}

IcoReadResult ReadIcoBytes(Bytes bytes) {
    return ReadIco(bytes.size(), [&](std::uint64_t offset, std::span<std::uint8_t> out) {
        const Bytes source = Slice(bytes, offset, out.size());
        if (source.size() != out.size()) {
            return false;
        }
        if (!out.empty()) {
            std::memcpy(out.data(), source.data(), out.size());
        }
        return true;
    });
}

std::optional<IconImageSet> ReadIcoFile(const std::string& path) {
    return ReadIcoFileReporting(path).set;
}

}  // namespace tavrin::icons
