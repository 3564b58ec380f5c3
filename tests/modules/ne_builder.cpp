#include "tests/modules/ne_builder.h"

#include <stdexcept>

#include "tests/support/expected_ico.h"

namespace tavrin::test {
namespace {

constexpr std::size_t kNeHeaderOffset = 0x40;
constexpr std::size_t kNeHeaderSize = 0x40;
constexpr std::uint16_t kIntegerId = 0x8000;

void Put16(ByteVector& bytes, std::size_t offset, std::uint16_t value) {
    bytes.at(offset) = static_cast<std::uint8_t>(value);
    bytes.at(offset + 1) = static_cast<std::uint8_t>(value >> 8);
}

void Append16(ByteVector& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

std::uint8_t Checked8(std::size_t value) {
    if (value > 0xFF) {
        throw std::length_error("NE fixture name longer than 255 bytes");
    }
    return static_cast<std::uint8_t>(value);
}

std::uint16_t Checked16(std::size_t value) {
    if (value > 0xFFFF) {
        throw std::length_error("NE fixture field exceeds 16 bits");
    }
    return static_cast<std::uint16_t>(value);
}

}  // namespace

void NeFile::PutU16(std::size_t offset, std::uint16_t value) {
    Put16(bytes, offset, value);
}

std::uint16_t NeFile::U16(std::size_t offset) const {
    return static_cast<std::uint16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

NeBuilder& NeBuilder::Add(const NeId& type, const NeId& name, ByteVector bytes) {
    if (records_.empty() || records_.back().type != type) {
        records_.push_back({type, {}});
    }
    records_.back().resources.push_back({name, std::move(bytes)});
    return *this;
}

NeFile NeBuilder::Build() const {
    NeFile file;
    auto& out = file.bytes;
    out.assign(kNeHeaderOffset + kNeHeaderSize, 0);
    out[0] = 'M';
    out[1] = 'Z';
    out[0x3C] = static_cast<std::uint8_t>(kNeHeaderOffset);
    out[kNeHeaderOffset] = 'N';
    out[kNeHeaderOffset + 1] = 'E';
    file.neHeader = kNeHeaderOffset;
    file.resourceTable = out.size();

    // Fields filled in once the data's place is known.
    struct Pending {
        std::size_t nameInfo;
        const ByteVector* bytes;
    };
    std::vector<Pending> pending;
    struct PendingName {
        std::size_t field;
        std::string text;
        std::size_t record;
    };
    std::vector<PendingName> names;

    if (!records_.empty()) {
        Append16(out, alignShift_);
        for (std::size_t r = 0; r < records_.size(); ++r) {
            const TypeRecord& record = records_[r];
            file.typeInfos.push_back(out.size());
            if (const auto* number = std::get_if<std::uint16_t>(&record.type)) {
                Append16(out, *number | kIntegerId);
            } else {
                names.push_back({out.size(), std::get<std::string>(record.type), SIZE_MAX});
                Append16(out, 0);
            }
            Append16(out, Checked16(record.resources.size()));
            out.insert(out.end(), 4, 0);  // reserved
            for (const Resource& resource : record.resources) {
                pending.push_back({out.size(), &resource.bytes});
                out.insert(out.end(), 6, 0);  // offset, length, flags
                if (const auto* number = std::get_if<std::uint16_t>(&resource.name)) {
                    Append16(out, *number | kIntegerId);
                } else {
                    names.push_back({out.size(), std::get<std::string>(resource.name), r});
                    Append16(out, 0);
                }
                out.insert(out.end(), 4, 0);  // handle, usage
            }
        }
        Append16(out, 0);  // end of the type records
        file.nameStrings.resize(records_.size());
        for (const PendingName& name : names) {
            Put16(out, name.field, Checked16(out.size() - file.resourceTable));
            if (name.record != SIZE_MAX) {
                file.nameStrings[name.record].push_back(out.size());
            }
            out.push_back(Checked8(name.text.size()));
            out.insert(out.end(), name.text.begin(), name.text.end());
        }
    }
    Put16(out, kNeHeaderOffset + 0x24, Checked16(file.resourceTable - kNeHeaderOffset));
    Put16(out, kNeHeaderOffset + 0x26, Checked16(out.size() - kNeHeaderOffset));
    out.push_back(0);  // an empty resident names table

    const std::size_t unit = std::size_t{1} << alignShift_;
    for (const Pending& resource : pending) {
        out.resize((out.size() + unit - 1) / unit * unit, 0);
        const std::size_t units = (resource.bytes->size() + unit - 1) / unit;
        Put16(out, resource.nameInfo, Checked16(out.size() / unit));
        Put16(out, resource.nameInfo + 2, Checked16(units));
        out.insert(out.end(), resource.bytes->begin(), resource.bytes->end());
        out.resize(out.size() + (units * unit - resource.bytes->size()), kNePadding);
    }
    return file;
}

ByteVector SizedGroupDirectory(const std::vector<GroupEntry>& entries) {
    ByteVector out = IcoHeader(entries.size());
    for (const GroupEntry& entry : entries) {
        out.insert(out.end(), {48, 48, 16, 0});
        PutLe(out, 1, 2);   // planes
        PutLe(out, 24, 2);  // bit count
        PutLe(out, entry.bytesInResource, 4);
        PutLe(out, entry.iconId, 2);
    }
    return out;
}

}  // namespace tavrin::test
