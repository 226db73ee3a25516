#include "tools/bmp/BmpFile.h"

#include "platform/Surface.h"

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const Surface& surface) {
    const std::uint32_t width = static_cast<std::uint32_t>(surface.Width());
    const std::uint32_t height = static_cast<std::uint32_t>(surface.Height());
    const std::uint32_t stride = (width * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * height;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    std::vector<std::uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put32(out, 0);  // two reserved words
    Put32(out, offset);

    Put32(out, kInfoHeaderSize);
    Put32(out, width);
    Put32(out, height);  // positive: the last row comes first
    Put16(out, 1);       // planes
    Put16(out, 24);      // bits per pixel
    Put32(out, 0);       // BI_RGB
    Put32(out, imageSize);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 0);  // colours used
    Put32(out, 0);  // colours important

    for (int y = surface.Height() - 1; y >= 0; --y) {
        const std::uint32_t* row = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x) {
            out.push_back(static_cast<std::uint8_t>(row[x]));        // blue
            out.push_back(static_cast<std::uint8_t>(row[x] >> 8));   // green
            out.push_back(static_cast<std::uint8_t>(row[x] >> 16));  // red
        }
        out.resize(out.size() + (stride - width * 3), 0);
    }
    return out;
}
