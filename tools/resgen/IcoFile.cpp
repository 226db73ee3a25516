#include "tools/resgen/IcoFile.h"

#include "tools/resgen/ByteWriter.h"

const std::uint32_t kStandardPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t RowBytes(int size, int bitsPerPixel) {
    return ((static_cast<std::uint32_t>(size) * bitsPerPixel + 31) / 32) * 4;
}

std::uint32_t ImageBytes(int size) {
    return kInfoHeaderSize + 16 * 4 + (RowBytes(size, 4) + RowBytes(size, 1)) * size;
}

void WriteImage(ByteWriter& out, const IndexedImage& image) {
    const int size = image.size;
    const std::uint32_t colorRow = RowBytes(size, 4);
    const std::uint32_t maskRow = RowBytes(size, 1);
    out.U32(kInfoHeaderSize);
    out.U32(static_cast<std::uint32_t>(size));
    out.U32(static_cast<std::uint32_t>(size) * 2);  // colour and mask, stacked
    out.U16(1);
    out.U16(4);
    out.U32(0);
    out.U32((colorRow + maskRow) * size);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    for (std::uint32_t rgb : kStandardPalette) {
        out.U8(rgb & 0xFF);
        out.U8((rgb >> 8) & 0xFF);
        out.U8((rgb >> 16) & 0xFF);
        out.U8(0);
    }
    for (int y = size - 1; y >= 0; --y) {
        const std::uint8_t* row = image.indices.data() + static_cast<std::size_t>(y) * size;
        for (int x = 0; x < size; x += 2) {
            out.U8(static_cast<unsigned>(row[x] & 0xF) << 4 | (row[x + 1] & 0xF));
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(size) / 2; pad < colorRow; ++pad) {
            out.U8(0);
        }
    }
    for (std::uint32_t i = 0; i < maskRow * size; ++i) {
        out.U8(0);  // fully opaque
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeIco16(const std::vector<IndexedImage>& images) {
    ByteWriter out;
    out.U16(0);
    out.U16(1);  // icon
    out.U16(static_cast<unsigned>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (const IndexedImage& image : images) {
        out.U8(static_cast<unsigned>(image.size));
        out.U8(static_cast<unsigned>(image.size));
        out.U8(16);
        out.U8(0);
        out.U16(1);
        out.U16(4);
        out.U32(ImageBytes(image.size));
        out.U32(offset);
        offset += ImageBytes(image.size);
    }
    for (const IndexedImage& image : images) {
        WriteImage(out, image);
    }
    return out.Bytes();
}
