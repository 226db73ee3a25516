// Feeds any bytes to the resource readers. The first byte picks what the rest is read as:
// a whole .res stream (every entry then goes to the reader of its kind), or one resource
// alone: a bitmap, a string block, a dialog template of either kind, an icon group, an icon
// image, a version block, or UTF-16 text. AddressSanitizer catches any read outside the
// bytes; the checks below catch results that disagree with themselves.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "platform/res/ByteReader.h"
#include "platform/res/DialogTemplateReader.h"
#include "platform/res/DibReader.h"
#include "platform/res/IconGroupReader.h"
#include "platform/res/IconImageReader.h"
#include "platform/res/ResourceFile.h"
#include "platform/res/StringTable.h"
#include "platform/res/VersionInfoReader.h"

namespace {

using Bytes = std::span<const std::uint8_t>;

void Check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "resource reader result broken: %s\n", what);
        std::abort();
    }
}

void ReadBitmap(Bytes bytes) {
    if (const auto surface = DecodeDib24(bytes)) {
        Check(surface->Width() > 0 && surface->Height() > 0, "a decoded bitmap has pixels");
        Check(surface->Pixels().size() ==
                  static_cast<std::size_t>(surface->Width()) * surface->Height(),
              "a bitmap's pixels fill its size");
        // Rows of 3 bytes a pixel padded to 4 must have been in the bytes.
        const std::size_t stride = (static_cast<std::size_t>(surface->Width()) * 3 + 3) & ~3u;
        Check(bytes.size() >= 40 + stride * surface->Height(), "pixels came from the bytes");
    }
}

void ReadStrings(Bytes bytes, std::uint16_t firstId) {
    for (std::uint16_t i = 0; i < 16; ++i) {
        ReadStringFromBlock(bytes, static_cast<std::uint16_t>(firstId + i));
    }
}

void ReadIconImage(Bytes bytes) {
    if (const auto image = DecodeIconImage(bytes)) {
        const std::size_t pixels =
            static_cast<std::size_t>(image->color.Width()) * image->color.Height();
        Check(image->color.Pixels().size() == pixels, "an icon's pixels fill its size");
        Check(image->transparent.size() == pixels, "one mask flag per icon pixel");
        Check(image->bitCount > 8 || image->palette.size() <= 256, "a palette of 256 at most");
    }
}

void ReadDialog(Bytes bytes) {
    if (const auto dialog = ReadDialogTemplate(bytes)) {
        Check(dialog->controls.size() <= bytes.size() / 18, "each control took its bytes");
    }
}

void ReadEntry(const ResourceEntry& entry) {
    if (!entry.type.isNumber) {
        return;
    }
    switch (entry.type.number) {
        case kRtBitmap:
            ReadBitmap(entry.data);
            break;
        case kRtIcon:
            ReadIconImage(entry.data);
            break;
        case kRtDialog:
            ReadDialog(entry.data);
            break;
        case kRtString:
            if (entry.name.isNumber && entry.name.number > 0) {
                ReadStrings(entry.data, static_cast<std::uint16_t>((entry.name.number - 1) * 16));
            }
            break;
        case kRtGroupIcon:
            ReadIconGroup(entry.data);
            break;
        case kRtVersion:
            if (const auto version = ReadVersionInfo(entry.data)) {
                version->Find("080404b0", "FileVersion");
            }
            break;
        default:
            break;
    }
}

void ReadStream(Bytes bytes) {
    const auto file = ResourceFile::Parse(bytes);
    if (!file) {
        return;
    }
    for (const ResourceEntry& entry : file->Entries()) {
        Check(entry.data.empty() ||
                  (entry.data.data() >= bytes.data() &&
                   entry.data.data() + entry.data.size() <= bytes.data() + bytes.size()),
              "an entry's data lies inside the stream");
        ReadEntry(entry);
    }
    for (std::uint16_t id : {100, 101, 102, 128, 129, 133}) {
        file->Find(kRtBitmap, id, 0x0804);
        file->Find(kRtDialog, id, 0x0804);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const Bytes bytes(data + 1, size - 1);
    switch (data[0] % 8) {
        case 0:
            ReadStream(bytes);
            break;
        case 1:
            ReadBitmap(bytes);
            break;
        case 2:
            // String 101 lives in block 7; any block is read the same way.
            ReadStrings(bytes, 96);
            break;
        case 3:
            ReadDialog(bytes);
            break;
        case 4:
            ReadIconGroup(bytes);
            break;
        case 5:
            ReadIconImage(bytes);
            break;
        case 6:
            if (const auto version = ReadVersionInfo(bytes)) {
                version->Find("080404b0", "ProductVersion");
            }
            break;
        default:
            Utf16ToUtf8(bytes);
            break;
    }
    return 0;
}
