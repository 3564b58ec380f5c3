#include "tests/shell/support/screen_image.h"

#include <array>
#include <fstream>

namespace tavrin::test {
namespace {

// Device contexts and the bitmap of one capture, released on every path.
class Capture {
  public:
    Capture(int width, int height) : screen_(GetDC(nullptr)), memory_(CreateCompatibleDC(screen_)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(screen_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(memory_, bitmap_);
    }
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;
    ~Capture() {
        SelectObject(memory_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(memory_);
        ReleaseDC(nullptr, screen_);
    }
    bool Copy(const RECT& area) {
        return bits_ != nullptr &&
               BitBlt(memory_, 0, 0, area.right - area.left, area.bottom - area.top, screen_,
                      area.left, area.top, SRCCOPY) != 0;
    }
    const std::uint32_t* Bits() const { return static_cast<const std::uint32_t*>(bits_); }

  private:
    HDC screen_;
    HDC memory_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

std::uint32_t Crc32(const std::string& bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc = table[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

std::string Chunk(const char* type, const std::string& data) {
    std::string body = std::string(type, 4) + data;
    std::string chunk;
    PutBigEndian(chunk, static_cast<std::uint32_t>(data.size()));
    chunk += body;
    PutBigEndian(chunk, Crc32(body));
    return chunk;
}

// A zlib stream of stored (uncompressed) blocks: small code, files of a few
// hundred kilobytes.
std::string StoredZlib(const std::string& raw) {
    std::string out = "\x78\x01";
    std::size_t at = 0;
    do {
        const std::size_t length = std::min<std::size_t>(raw.size() - at, 65535);
        const bool last = at + length == raw.size();
        out += static_cast<char>(last ? 1 : 0);
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
        out += static_cast<char>(~length & 0xFF);
        out += static_cast<char>((~length >> 8) & 0xFF);
        out.append(raw, at, length);
        at += length;
    } while (at < raw.size());
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const char byte : raw) {
        a = (a + static_cast<std::uint8_t>(byte)) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, (b << 16) | a);
    return out;
}

}  // namespace

ScreenImage CaptureScreen(const RECT& area) {
    ScreenImage image;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return image;
    }
    Capture capture(width, height);
    if (!capture.Copy(area)) {
        return image;
    }
    image.width = width;
    image.height = height;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    image.pixels.assign(capture.Bits(), capture.Bits() + count);
    for (auto& pixel : image.pixels) {
        pixel &= 0x00FFFFFF;
    }
    return image;
}

bool WritePng(const ScreenImage& image, const std::string& path) {
    std::string raw;
    raw.reserve(static_cast<std::size_t>(image.height) * (1 + 3 * image.width));
    for (int y = 0; y < image.height; ++y) {
        raw += '\0';  // no filter
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t pixel = image.At(x, y);
            raw += static_cast<char>(Red(pixel));
            raw += static_cast<char>(Green(pixel));
            raw += static_cast<char>(Blue(pixel));
        }
    }
    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(image.width));
    PutBigEndian(header, static_cast<std::uint32_t>(image.height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
    const std::string file = std::string("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", header) +
                             Chunk("IDAT", StoredZlib(raw)) + Chunk("IEND", "");
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(file.data(), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

}  // namespace tavrin::test
