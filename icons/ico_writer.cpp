#include <algorithm>
#include <array>
#include <vector>

#include "icons/ico_file.h"
#include "platform/files/file.h"

namespace tavrin::icons {
namespace {

constexpr std::size_t kSizeImageField = 20;  // biSizeImage in BITMAPINFOHEADER
constexpr std::size_t kSizeImageEnd = kSizeImageField + 4;

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

std::uint8_t ColourCount(std::int32_t bitsPerPixel) {
    return bitsPerPixel >= 0 && bitsPerPixel < 8 ? static_cast<std::uint8_t>(1u << bitsPerPixel)
                                                 : 0;
}

// Gathers small pieces into large writes; large pieces pass straight on.
// The buffer is the thread's own and keeps its memory from file to file:
// under Wine a fresh megabyte costs more than writing it.
class BufferedSink {
  public:
    BufferedSink(const ByteSink& sink, std::uint64_t fileSize) : sink_(sink), buffer_(Scratch()) {
        buffer_.clear();
        buffer_.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(kCapacity, fileSize)));
    }
    BufferedSink(const BufferedSink&) = delete;
    BufferedSink& operator=(const BufferedSink&) = delete;
    ~BufferedSink() { buffer_.clear(); }

    bool Put(Bytes bytes) {
        if (buffer_.size() + bytes.size() > kCapacity && !Flush()) {
            return false;
        }
        if (bytes.size() >= kCapacity) {
            return sink_(bytes);
        }
        buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
        return true;
    }

    bool Flush() {
        const bool ok = buffer_.empty() || sink_(buffer_);
        buffer_.clear();
        return ok;
    }

  private:
    static constexpr std::size_t kCapacity = 1 << 20;
    static std::vector<std::uint8_t>& Scratch() {
        thread_local std::vector<std::uint8_t> scratch;
        return scratch;
    }

    const ByteSink& sink_;
    std::vector<std::uint8_t>& buffer_;
};

}  // namespace

std::optional<std::uint64_t> IcoFileSize(const IconImageSet& set) {
    std::uint64_t offset = kIcoHeaderSize + kIcoEntrySize * std::uint64_t{set.images.size()};
    for (const IconImage& image : set.images) {
        if (offset > UINT32_MAX) {
            return std::nullopt;
        }
        offset += image.size;
    }
    return offset;
}

std::optional<std::uint64_t> WritableIcoFileSize(const IconImageSet& set) {
    const auto size = IcoFileSize(set);
    if (!size || *size > kMaxIcoFileSize) {
        return std::nullopt;
    }
    return size;
}

bool SerializeIco(const IconImageSet& set, const ByteSink& sink) {
    const auto fileSize = WritableIcoFileSize(set);
    if (set.images.size() > UINT16_MAX || !fileSize) {
        return false;
    }
    std::vector<std::uint8_t> head;
    head.reserve(kIcoHeaderSize + kIcoEntrySize * set.images.size());
    PutU16(head, 0);                                       // reserved
    PutU16(head, set.kind == GroupKind::kCursor ? 2 : 1);  // type: cursor or icon
    PutU16(head, static_cast<std::uint32_t>(set.images.size()));
    std::uint64_t offset = kIcoHeaderSize + kIcoEntrySize * std::uint64_t{set.images.size()};
    for (const IconImage& image : set.images) {
        head.push_back(static_cast<std::uint8_t>(image.width));
        head.push_back(static_cast<std::uint8_t>(image.height));
        head.push_back(ColourCount(image.bitsPerPixel));
        head.push_back(0);  // reserved
        // A cursor file keeps the hotspot where an icon file keeps planes
        // and bit count.
        const bool cursor = set.kind == GroupKind::kCursor;
        PutU16(head, cursor ? image.hotspotX : image.planes);
        PutU16(head, cursor ? image.hotspotY : image.bitCount);
        PutU32(head, image.size);
        PutU32(head, static_cast<std::uint32_t>(offset));
        offset += image.size;
    }

    BufferedSink out(sink, *fileSize);
    if (!out.Put(head)) {
        return false;
    }
    for (const IconImage& image : set.images) {
        const Bytes bytes = image.bytes();
        if (image.isPng || bytes.size() <= kSizeImageField) {
            if (!out.Put(bytes)) {
                return false;
            }
            continue;
        }
        // The held bytes keep their value; only the file gets biSizeImage 0.
        std::array<std::uint8_t, kSizeImageEnd> header{};
        const std::size_t headerLength = std::min(bytes.size(), kSizeImageEnd);
        std::copy_n(bytes.begin(), kSizeImageField, header.begin());
        if (!out.Put(Bytes(header).first(headerLength)) || !out.Put(bytes.subspan(headerLength))) {
            return false;
        }
    }
    return out.Flush();
}

bool WriteIcoFileReporting(const IconImageSet& set, const std::string& path) {
    if (set.images.size() > UINT16_MAX || !WritableIcoFileSize(set)) {
        return false;  // checked first, so no file is replaced for nothing
    }
    auto file = platform::OutputFile::CreateAlways(path);
    if (!file) {
        return false;
    }
    return SerializeIco(set, [&](Bytes bytes) { return file->Write(bytes); });
}

void WriteIcoFile(const IconImageSet& set, const std::string& path) {
    WriteIcoFileReporting(set, path);
}

}  // namespace tavrin::icons
