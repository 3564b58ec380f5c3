#include "tests/hardening/raw_directory.h"

#include "tests/support/expected_ico.h"

namespace tavrin::test {
namespace {

constexpr std::size_t kFileAlignment = 0x200;

void PutAt(ByteVector& out, std::size_t offset, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::size_t RoundUp(std::size_t value, std::size_t unit) {
    return (value + unit - 1) / unit * unit;
}

}  // namespace

RawDirectory::RawDirectory() : bytes_(32, 0) {}

std::size_t RawDirectory::Put(const ByteVector& blob, std::size_t align) {
    bytes_.resize(RoundUp(bytes_.size(), align), 0);
    const std::size_t at = bytes_.size();
    bytes_.insert(bytes_.end(), blob.begin(), blob.end());
    return at;
}

std::size_t RawDirectory::Table(const std::vector<std::pair<std::uint32_t, std::uint32_t>>& entries,
                                std::size_t named) {
    ByteVector blob;
    PutLe(blob, 0, 12);
    PutLe(blob, named, 2);
    PutLe(blob, entries.size() - named, 2);
    for (const auto& [name, target] : entries) {
        PutLe(blob, name, 4);
        PutLe(blob, target, 4);
    }
    return Put(blob);
}

void RawDirectory::SetTarget(std::size_t table, std::size_t index, std::uint32_t target) {
    PutAt(bytes_, table + 16 + 8 * index + 4, target, 4);
}

std::size_t RawDirectory::DataEntry(const ByteVector& blob) {
    const std::size_t at = Put(blob);
    ByteVector entry;
    PutLe(entry, kResourceSectionRva + at, 4);
    PutLe(entry, blob.size(), 4);
    PutLe(entry, 0, 8);
    return Put(entry);
}

std::size_t RawDirectory::Leaf(const ByteVector& blob, std::uint32_t language) {
    const auto entry = static_cast<std::uint32_t>(DataEntry(blob));
    return Table({{language, entry}});
}

std::size_t RawDirectory::Text(const std::u16string& text) {
    ByteVector blob;
    PutLe(blob, text.size(), 2);
    for (char16_t c : text) {
        PutLe(blob, c, 2);
    }
    return Put(blob, 2);
}

void RawDirectory::Root(std::uint32_t iconNames, std::uint32_t groupNames) {
    ByteVector root;
    PutLe(root, 0, 12);
    PutLe(root, 0, 2);
    PutLe(root, 2, 2);
    PutLe(root, 3, 4);
    PutLe(root, kHighBit | iconNames, 4);
    PutLe(root, 14, 4);
    PutLe(root, kHighBit | groupNames, 4);
    std::copy(root.begin(), root.end(), bytes_.begin());
}

ByteVector ModuleWithResourceSection(const ByteVector& section, std::uint32_t emptySections) {
    constexpr std::size_t kPe = 0x40;
    constexpr std::size_t kOptional = kPe + 4 + 20;
    constexpr std::size_t kOptionalSize = 224;
    constexpr std::size_t kSections = kOptional + kOptionalSize;
    const std::size_t sectionCount = std::size_t{emptySections} + 1;
    const std::size_t rawAt = RoundUp(kSections + 40 * sectionCount, kFileAlignment);
    const std::size_t rawSize = RoundUp(section.size(), kFileAlignment);

    ByteVector file(rawAt + rawSize, 0);
    PutAt(file, 0, 0x5A4D, 2);  // "MZ"
    PutAt(file, 0x3C, kPe, 4);
    PutAt(file, kPe, 0x00004550, 4);  // "PE\0\0"
    PutAt(file, kPe + 4, 0x14C, 2);   // i386
    PutAt(file, kPe + 6, sectionCount, 2);
    PutAt(file, kPe + 20, kOptionalSize, 2);
    PutAt(file, kOptional, 0x10B, 2);
    PutAt(file, kOptional + 60, rawAt, 4);  // SizeOfHeaders
    PutAt(file, kOptional + 92, 16, 4);     // NumberOfRvaAndSizes
    PutAt(file, kOptional + 96 + 2 * 8, kResourceSectionRva, 4);
    PutAt(file, kOptional + 96 + 2 * 8 + 4, section.size(), 4);
    for (std::size_t i = 0; i < emptySections; ++i) {
        const std::size_t header = kSections + 40 * i;
        PutAt(file, header + 8, 0x1000, 4);                    // VirtualSize
        PutAt(file, header + 12, 0x10000000 + 0x1000 * i, 4);  // VirtualAddress
    }
    const std::size_t last = kSections + 40 * emptySections;
    PutAt(file, last + 8, section.size(), 4);
    PutAt(file, last + 12, kResourceSectionRva, 4);
    PutAt(file, last + 16, rawSize, 4);
    PutAt(file, last + 20, rawAt, 4);
    std::copy(section.begin(), section.end(), file.begin() + static_cast<std::ptrdiff_t>(rawAt));
    return file;
}

ByteVector Group(const std::vector<std::uint16_t>& ids) {
    ByteVector group;
    PutLe(group, 0, 2);
    PutLe(group, 1, 2);
    PutLe(group, ids.size(), 2);
    for (std::uint16_t id : ids) {
        PutLe(group, 0x00002020, 4);  // 32x32, no colour count
        PutLe(group, 0x00200001, 4);  // 1 plane, 32 bits
        PutLe(group, 0, 4);
        PutLe(group, id, 2);
    }
    return group;
}

}  // namespace tavrin::test
