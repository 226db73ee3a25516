#include "tools/resgen/BmpFile.h"

#include "tools/resgen/ByteWriter.h"

std::vector<std::uint8_t> EncodeBmp24(const Surface& picture) {
    constexpr std::uint32_t kFileHeaderSize = 14;
    constexpr std::uint32_t kInfoHeaderSize = 40;
    const int width = picture.Width();
    const int height = picture.Height();
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);

    ByteWriter out;
    out.U8('B');
    out.U8('M');
    out.U32(kFileHeaderSize + kInfoHeaderSize + imageSize);
    out.U32(0);
    out.U32(kFileHeaderSize + kInfoHeaderSize);

    out.U32(kInfoHeaderSize);
    out.U32(static_cast<std::uint32_t>(width));
    out.U32(static_cast<std::uint32_t>(height));
    out.U16(1);   // planes
    out.U16(24);  // bits a pixel
    out.U32(0);   // BI_RGB
    out.U32(imageSize);
    out.U32(2835);  // 72 dots an inch, in dots a metre
    out.U32(2835);
    out.U32(0);
    out.U32(0);

    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = picture.Pixel(x, y);
            out.U8(rgb & 0xFF);
            out.U8((rgb >> 8) & 0xFF);
            out.U8((rgb >> 16) & 0xFF);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < stride; ++pad) {
            out.U8(0);
        }
    }
    return out.Bytes();
}
