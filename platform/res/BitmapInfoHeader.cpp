#include "platform/res/BitmapInfoHeader.h"

#include "platform/res/ByteReader.h"

namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;

}  // namespace

std::optional<BitmapInfoHeader> ReadBitmapInfoHeader(ByteReader& in) {
    BitmapInfoHeader header;
    const std::uint32_t headerSize = in.U32();
    header.width = in.I32();
    header.height = in.I32();
    const std::uint16_t planes = in.U16();
    header.bitCount = in.U16();
    const std::uint32_t compression = in.U32();
    in.Skip(4 * 3);  // image size, resolution
    header.coloursUsed = in.U32();
    in.Skip(4);  // important colours
    if (!in.Ok() || headerSize != kInfoHeaderSize || planes != 1 || compression != kBiRgb) {
        return std::nullopt;
    }
    return header;
}

std::size_t RowBytes(int width, int bitsPerPixel) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4;
}
