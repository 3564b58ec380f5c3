#include "tests/support/screen_image.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>

#include "platform/win/gdi/gdi.h"

namespace tavrin::test {
namespace {

// Copies `width` x `height` pixels of `source` from (left, top).
ScreenImage CaptureFrom(HDC source, int left, int top, int width, int height) {
    ScreenImage image;
    if (source == nullptr || width <= 0 || height <= 0) {
        return image;
    }
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    platform::MemoryDc memory(source);
    platform::OwnedBitmap bitmap(
        CreateDIBSection(source, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap || bits == nullptr) {
        return image;
    }
    platform::Selection selected(memory.get(), bitmap.get());
    if (BitBlt(memory.get(), 0, 0, width, height, source, left, top, SRCCOPY) == 0) {
        return image;
    }
    GdiFlush();  // the bits are read directly
    image.width = width;
    image.height = height;
    const auto* data = static_cast<const std::uint32_t*>(bits);
    image.pixels.assign(data,
                        data + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (auto& pixel : image.pixels) {
        pixel &= 0x00FFFFFF;
    }
    return image;
}

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
    const platform::WindowDc screen(nullptr, platform::WindowDc::kClient);
    return CaptureFrom(screen.get(), area.left, area.top, area.right - area.left,
                       area.bottom - area.top);
}

ScreenImage CaptureWindow(HWND window) {
    RECT bounds{};
    if (GetWindowRect(window, &bounds) == 0) {
        return {};
    }
    const platform::WindowDc whole(window, platform::WindowDc::kWholeWindow);
    return CaptureFrom(whole.get(), 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
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

bool WriteBmp(const ScreenImage& image, const std::string& path) {
    const int row = (image.width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = image.width;
    info.biHeight = image.height;  // bottom row first
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(row * image.height);
    std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!out) {
        return false;
    }
    std::fwrite(&file, sizeof file, 1, out.get());
    std::fwrite(&info, sizeof info, 1, out.get());
    std::vector<unsigned char> line(static_cast<std::size_t>(row), 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t pixel = image.At(x, y);
            const auto at = static_cast<std::size_t>(x) * 3;
            line[at] = static_cast<unsigned char>(Blue(pixel));
            line[at + 1] = static_cast<unsigned char>(Green(pixel));
            line[at + 2] = static_cast<unsigned char>(Red(pixel));
        }
        std::fwrite(line.data(), line.size(), 1, out.get());
    }
    return true;
}

}  // namespace tavrin::test
