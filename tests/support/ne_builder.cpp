#include "tests/support/ne_builder.h"

#include <stdexcept>

#include "tests/support/little_endian.h"

namespace tavrin::test {
namespace {

constexpr std::size_t kNeHeaderOffset = 0x40;
constexpr std::size_t kNeHeaderSize = 0x40;
constexpr std::uint16_t kIntegerId = 0x8000;

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
    PutAt(bytes, offset, value, 2);
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
        PutLe(out, alignShift_, 2);
        for (std::size_t r = 0; r < records_.size(); ++r) {
            const TypeRecord& record = records_[r];
            file.typeInfos.push_back(out.size());
            if (const auto* number = std::get_if<std::uint16_t>(&record.type)) {
                PutLe(out, *number | kIntegerId, 2);
            } else {
                names.push_back({out.size(), std::get<std::string>(record.type), SIZE_MAX});
                PutLe(out, 0, 2);
            }
            PutLe(out, Checked16(record.resources.size()), 2);
            out.insert(out.end(), 4, 0);  // reserved
            for (const Resource& resource : record.resources) {
                pending.push_back({out.size(), &resource.bytes});
                out.insert(out.end(), 6, 0);  // offset, length, flags
                if (const auto* number = std::get_if<std::uint16_t>(&resource.name)) {
                    PutLe(out, *number | kIntegerId, 2);
                } else {
                    names.push_back({out.size(), std::get<std::string>(resource.name), r});
                    PutLe(out, 0, 2);
                }
                out.insert(out.end(), 4, 0);  // handle, usage
            }
        }
        PutLe(out, 0, 2);  // end of the type records
        file.nameStrings.resize(records_.size());
        for (const PendingName& name : names) {
            PutAt(out, name.field, Checked16(out.size() - file.resourceTable), 2);
            if (name.record != SIZE_MAX) {
                file.nameStrings[name.record].push_back(out.size());
            }
            out.push_back(Checked8(name.text.size()));
            out.insert(out.end(), name.text.begin(), name.text.end());
        }
    }
    PutAt(out, kNeHeaderOffset + 0x24, Checked16(file.resourceTable - kNeHeaderOffset), 2);
    PutAt(out, kNeHeaderOffset + 0x26, Checked16(out.size() - kNeHeaderOffset), 2);
    out.push_back(0);  // an empty resident names table

    const std::size_t unit = std::size_t{1} << alignShift_;
    for (const Pending& resource : pending) {
        out.resize((out.size() + unit - 1) / unit * unit, 0);
        const std::size_t units = (resource.bytes->size() + unit - 1) / unit;
        PutAt(out, resource.nameInfo, Checked16(out.size() / unit), 2);
        PutAt(out, resource.nameInfo + 2, Checked16(units), 2);
        out.insert(out.end(), resource.bytes->begin(), resource.bytes->end());
        out.resize(out.size() + (units * unit - resource.bytes->size()), kNePadding);
    }
    return file;
}

}  // namespace tavrin::test
