#include "tests/support/raw_directory.h"

#include "tests/support/little_endian.h"

namespace tavrin::test {
namespace {

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

}  // namespace tavrin::test
