#include "platform/res/DibReader.h"

#include "platform/res/BitmapInfoHeader.h"
#include "platform/res/ByteReader.h"

namespace {

// Far beyond any picture the program carries; keeps a corrupted size from asking for
// gigabytes before the byte count check could fail.
constexpr std::int32_t kMaxBitmapSide = 16384;

bool IsDib24(const BitmapInfoHeader& header) {
    return header.bitCount == 24 && header.width > 0 && header.width <= kMaxBitmapSide &&
           header.height != 0 && header.height <= kMaxBitmapSide &&
           header.height >= -kMaxBitmapSide && header.coloursUsed <= 256;
}

}  // namespace

std::optional<Surface> DecodeDib24(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    const std::optional<BitmapInfoHeader> header = ReadBitmapInfoHeader(in);
    if (!header || !IsDib24(*header)) {
        return std::nullopt;
    }
    // A 24-bit picture may still carry an optional colour table; its pixels follow it.
    in.Skip(static_cast<std::size_t>(header->coloursUsed) * 4);

    const int width = header->width;
    const int height = header->height;
    const bool bottomUp = height > 0;
    const int rows = bottomUp ? height : -height;
    const std::size_t stride = RowBytes(width, 24);
    const auto pixels = in.Bytes(stride * static_cast<std::size_t>(rows));
    if (!in.Ok()) {
        return std::nullopt;
    }
    Surface surface(width, rows);
    for (int stored = 0; stored < rows; ++stored) {
        const std::uint8_t* source = pixels.data() + stride * static_cast<std::size_t>(stored);
        std::uint32_t* target = surface.Row(bottomUp ? rows - 1 - stored : stored);
        for (int x = 0; x < width; ++x) {
            target[x] = RgbPixel(source[3 * x + 2], source[3 * x + 1], source[3 * x]);
        }
    }
    return surface;
}
