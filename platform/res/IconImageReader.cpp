#include "platform/res/IconImageReader.h"

#include "platform/res/BitmapInfoHeader.h"
#include "platform/res/ByteReader.h"

namespace {

constexpr std::int32_t kMaxIconSide = 256;

std::uint32_t PaletteIndex(const std::uint8_t* row, int x, int bitsPerPixel) {
    const int bit = x * bitsPerPixel;
    const unsigned byte = row[bit / 8];
    const int shift = 8 - bitsPerPixel - bit % 8;
    return (byte >> shift) & ((1u << bitsPerPixel) - 1);
}

bool IsPaletted(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8;
}

// The colour rows and the AND mask's rows are counted together in the height.
bool IsIconImage(const BitmapInfoHeader& header) {
    const int bits = header.bitCount;
    return (IsPaletted(bits) || bits == 24 || bits == 32) && header.width > 0 &&
           header.width <= kMaxIconSide && header.height > 0 && header.height % 2 == 0 &&
           header.height / 2 <= kMaxIconSide;
}

}  // namespace

std::optional<IconImageData> DecodeIconImage(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    const std::optional<BitmapInfoHeader> header = ReadBitmapInfoHeader(in);
    if (!header || !IsIconImage(*header)) {
        return std::nullopt;
    }
    const int width = header->width;
    const int height = header->height / 2;
    const int bits = header->bitCount;
    const bool paletted = IsPaletted(bits);

    IconImageData image;
    image.bitCount = bits;
    if (paletted) {
        const std::uint32_t entries = header->coloursUsed != 0 ? header->coloursUsed : 1u << bits;
        if (entries > (1u << bits)) {
            return std::nullopt;
        }
        for (std::uint32_t i = 0; i < entries && in.Ok(); ++i) {
            const std::uint8_t blue = in.U8();
            const std::uint8_t green = in.U8();
            const std::uint8_t red = in.U8();
            in.Skip(1);
            image.palette.push_back(RgbPixel(red, green, blue));
        }
    }
    const std::size_t colourRow = RowBytes(width, bits);
    const std::size_t maskRow = RowBytes(width, 1);
    const auto colour = in.Bytes(colourRow * static_cast<std::size_t>(height));
    const auto mask = in.Bytes(maskRow * static_cast<std::size_t>(height));
    if (!in.Ok()) {
        return std::nullopt;
    }

    image.color.Reset(width, height);
    image.transparent.assign(static_cast<std::size_t>(width) * height, false);
    for (int stored = 0; stored < height; ++stored) {
        const int y = height - 1 - stored;
        const std::uint8_t* source = colour.data() + colourRow * stored;
        const std::uint8_t* maskBits = mask.data() + maskRow * stored;
        for (int x = 0; x < width; ++x) {
            std::uint32_t rgb = 0;
            if (paletted) {
                const std::uint32_t index = PaletteIndex(source, x, bits);
                // An index past a short colour table shows black rather than reading on.
                rgb = index < image.palette.size() ? image.palette[index] : 0;
            } else {
                const std::uint8_t* pixel = source + static_cast<std::size_t>(x) * (bits / 8);
                rgb = RgbPixel(pixel[2], pixel[1], pixel[0]);
            }
            image.color.SetPixel(x, y, rgb);
            image.transparent[static_cast<std::size_t>(y) * width + x] =
                PaletteIndex(maskBits, x, 1) != 0;
        }
    }
    return image;
}
