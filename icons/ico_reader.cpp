#include <vector>

#include "icons/ico_file.h"
#include "icons/packed_ranges.h"
#include "platform/files/file.h"

namespace tavrin::icons {
namespace {

constexpr std::uint16_t kIconType = 1;

// The header and directory must lie inside the file; every entry is checked
// against the file's size before anything is allocated for its image.
IcoReadResult ReadIco(Bytes file) {
    const IcoReadResult notAnIconFile{std::nullopt, ExtractProblem::kNotAnIconFile};
    ByteReader reader(file);
    const std::uint16_t count = reader.U16(4);
    if (!reader.Ok() || reader.U16(0) != 0 || reader.U16(2) != kIconType ||
        !Fits(file.size(), kIcoHeaderSize, std::uint64_t{kIcoEntrySize} * count)) {
        return notAnIconFile;
    }
    std::vector<ByteRange> ranges(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kIcoHeaderSize + i * kIcoEntrySize;
        ranges[i].length = reader.U32(entry + 8);
        ranges[i].start = reader.U32(entry + 12);
        if (!Fits(file.size(), ranges[i].start, ranges[i].length)) {
            return notAnIconFile;
        }
    }
    const auto packed = PackRanges(file, ranges);
    if (!packed) {
        return notAnIconFile;
    }
    IconImageSet set;
    set.images.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        set.images.push_back(MakeIconImage(packed->storage, packed->offsets[i],
                                           static_cast<std::uint32_t>(ranges[i].length)));
    }
    return {std::move(set), ExtractProblem::kNone};
}

}  // namespace

IcoReadResult ReadIcoFileReporting(const std::string& path) {
    // No sharing: nobody can change the file while it is read.
    const auto file = platform::MappedFile::Open(path, platform::Sharing::kNobody);
    if (!file) {
        return {std::nullopt, ExtractProblem::kUnreadable};
    }
    return ReadIco(file->Bytes());
}

IcoReadResult ReadIcoBytes(Bytes bytes) {
    return ReadIco(bytes);
}

std::optional<IconImageSet> ReadIcoFile(const std::string& path) {
    return ReadIcoFileReporting(path).set;
}

}  // namespace tavrin::icons
