// Truncated and corrupted copies of the real compiled resources: every reader fails
// cleanly, and never reads outside the bytes it was given (each case parses an exact-size
// heap copy, so a sanitizer build sees any stray read).
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

#include "platform/res/DialogTemplateReader.h"
#include "platform/res/DibReader.h"
#include "platform/res/IconGroupReader.h"
#include "platform/res/IconImageReader.h"
#include "platform/res/ResourceFile.h"
#include "platform/res/StringTable.h"
#include "platform/res/VersionInfoReader.h"
#include "res/EmbeddedResources.h"
#include "res/resource.h"
#include "tests/res/EmbeddedEntries.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Copy(std::span<const std::uint8_t> bytes) {
    return Bytes(bytes.begin(), bytes.end());
}

void PutU32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void PutU16(Bytes& bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

// Whether the reader accepts the bytes; only nullopt-or-value matters here.
using Reader = std::function<bool(std::span<const std::uint8_t>)>;

struct SubReaderCase {
    const char* name;
    std::uint16_t type;
    std::uint16_t id;
    Reader read;
};

const SubReaderCase kSubReaders[] = {
    {"about dialog", kRtDialog, IDD_ABOUTBOX,
     [](auto b) { return ReadDialogTemplate(b).has_value(); }},
    {"main dialog", kRtDialog, IDD_CANZET_DIALOG,
     [](auto b) { return ReadDialogTemplate(b).has_value(); }},
    {"string block", kRtString, 7,
     [](auto b) { return ReadStringFromBlock(b, IDS_ABOUTBOX).has_value(); }},
    {"version", kRtVersion, 1, [](auto b) { return ReadVersionInfo(b).has_value(); }},
    {"icon group", kRtGroupIcon, IDR_MAINFRAME,
     [](auto b) { return ReadIconGroup(b).has_value(); }},
    {"icon image 32", kRtIcon, 1, [](auto b) { return DecodeIconImage(b).has_value(); }},
    {"icon image 16", kRtIcon, 2, [](auto b) { return DecodeIconImage(b).has_value(); }},
    {"note bitmap", kRtBitmap, IDB_NOTE, [](auto b) { return DecodeDib24(b).has_value(); }},
};

}  // namespace

TEST(MalformedResources, EveryTruncationOfTheResourceStreamFailsOrEndsOnAnEntry) {
    const auto whole = EmbeddedResourceBytes();
    // The offsets at which an entry (with its padding) ends.
    std::set<std::size_t> boundaries = {0, 32};
    const auto full = ResourceFile::Parse(whole);
    ASSERT_TRUE(full.has_value());
    for (const ResourceEntry& entry : full->Entries()) {
        const std::size_t end =
            static_cast<std::size_t>(entry.data.data() - whole.data()) + entry.data.size();
        boundaries.insert((end + 3) & ~std::size_t{3});
    }
    ASSERT_EQ(boundaries.size(), full->Entries().size() + 2);

    for (std::size_t length = 0; length < whole.size(); ++length) {
        const auto parsed = ResourceFile::Parse(whole.first(length));
        if (!boundaries.contains(length)) {
            ASSERT_FALSE(parsed.has_value()) << length;
            continue;
        }
        ASSERT_TRUE(parsed.has_value()) << length;
        for (const ResourceEntry& entry : parsed->Entries()) {
            ASSERT_LE(entry.data.data() + entry.data.size(), whole.data() + length);
        }
    }
}

TEST(MalformedResources, ExactSizeTruncationsNearEveryHeader) {
    const auto whole = EmbeddedResourceBytes();
    const auto full = ResourceFile::Parse(whole);
    ASSERT_TRUE(full.has_value());
    std::set<std::size_t> lengths;
    for (const ResourceEntry& entry : full->Entries()) {
        const auto dataStart = static_cast<std::size_t>(entry.data.data() - whole.data());
        for (std::size_t d = 0; d < 96; ++d) {
            if (dataStart >= d) {
                lengths.insert(dataStart - d);
            }
            lengths.insert(std::min(whole.size(), dataStart + entry.data.size() + d));
        }
    }
    for (std::size_t length : lengths) {
        const Bytes copy = Copy(whole.first(length));
        ResourceFile::Parse(copy);
    }
}

TEST(MalformedResources, CorruptedSizeFieldsOfEveryEntryAreRejected) {
    const auto whole = EmbeddedResourceBytes();
    const auto full = ResourceFile::Parse(whole);
    ASSERT_TRUE(full.has_value());
    // Every entry's header starts where the previous one ended.
    std::vector<std::size_t> headers = {32};
    for (const ResourceEntry& entry : full->Entries()) {
        const std::size_t end =
            static_cast<std::size_t>(entry.data.data() - whole.data()) + entry.data.size();
        headers.push_back((end + 3) & ~std::size_t{3});
    }
    headers.pop_back();
    const struct {
        const char* what;
        std::size_t field;
        std::uint32_t value;
    } corruptions[] = {
        {"data size huge", 0, 0xFFFFFFFF},   {"data size past end", 0, 0x7FFFFFFF},
        {"header size zero", 4, 0},          {"header size tiny", 4, 7},
        {"header size huge", 4, 0xFFFFFFF0}, {"header size past end", 4, 0x01000000},
    };
    for (std::size_t header : headers) {
        for (const auto& c : corruptions) {
            Bytes copy = Copy(whole);
            PutU32(copy, header + c.field, c.value);
            EXPECT_FALSE(ResourceFile::Parse(copy).has_value()) << c.what << " at " << header;
        }
        // A data size one too large shifts every following header: also rejected.
        Bytes copy = Copy(whole);
        const std::uint32_t size = copy[header] | copy[header + 1] << 8 | copy[header + 2] << 16 |
                                   static_cast<std::uint32_t>(copy[header + 3]) << 24;
        PutU32(copy, header, size + 4);
        EXPECT_FALSE(ResourceFile::Parse(copy).has_value()) << "size + 4 at " << header;
    }
}

TEST(MalformedResources, ByteFlipsInTheHeadersNeverEscapeTheBuffer) {
    const auto whole = EmbeddedResourceBytes();
    Bytes copy = Copy(whole);
    for (std::size_t i = 0; i < 4096; ++i) {
        copy[i] ^= 0xFF;
        if (const auto parsed = ResourceFile::Parse(copy)) {
            for (const ResourceEntry& entry : parsed->Entries()) {
                ASSERT_GE(entry.data.data(), copy.data());
                ASSERT_LE(entry.data.data() + entry.data.size(), copy.data() + copy.size());
            }
        }
        copy[i] ^= 0xFF;
    }
}

TEST(MalformedResources, EverySubReaderRejectsEveryTruncation) {
    for (const SubReaderCase& c : kSubReaders) {
        SCOPED_TRACE(c.name);
        const auto data = EmbeddedData(c.type, c.id);
        ASSERT_TRUE(c.read(data));
        // A string block is complete once the wanted entry is read; the rest may go.
        const std::size_t needed = c.type == kRtString ? 6 * 2 + 16 * 2 : data.size();
        for (std::size_t length = 0; length < needed; ++length) {
            const Bytes copy = Copy(data.first(length));
            EXPECT_FALSE(c.read(copy)) << length;
        }
    }
}

TEST(MalformedResources, StaffBitmapTruncationsFail) {
    const auto data = EmbeddedData(kRtBitmap, IDB_STAFF_TREBLE);
    for (std::size_t length = 0; length < data.size(); length += length < 64 ? 1 : 4099) {
        const Bytes copy = Copy(data.first(length));
        EXPECT_FALSE(DecodeDib24(copy).has_value()) << length;
    }
    const Bytes oneShort = Copy(data.first(data.size() - 1));
    EXPECT_FALSE(DecodeDib24(oneShort).has_value());
}

TEST(MalformedResources, OtherBitmapFormatsAreRejected) {
    const Bytes good = Copy(EmbeddedData(kRtBitmap, IDB_NOTE));
    const struct {
        const char* what;
        std::size_t offset;
        int bytes;
        std::uint32_t value;
    } cases[] = {
        {"core header", 0, 4, 12},
        {"v5 header", 0, 4, 124},
        {"8 bits a pixel", 14, 2, 8},
        {"32 bits a pixel", 14, 2, 32},
        {"run-length coded", 16, 4, 1},
        {"bit fields", 16, 4, 3},
        {"two planes", 12, 2, 2},
        {"zero width", 4, 4, 0},
        {"negative width", 4, 4, 0xFFFFFFFF},
        {"zero height", 8, 4, 0},
        {"huge width", 4, 4, 0x7FFFFFFF},
        {"huge height", 8, 4, 0x7FFFFFFF},
        {"most negative height", 8, 4, 0x80000000},
        {"colour table past end", 32, 4, 256},
        {"colour table too large", 32, 4, 0x40000000},
    };
    for (const auto& c : cases) {
        Bytes copy = good;
        if (c.bytes == 4) {
            PutU32(copy, c.offset, c.value);
        } else {
            PutU16(copy, c.offset, static_cast<std::uint16_t>(c.value));
        }
        EXPECT_FALSE(DecodeDib24(copy).has_value()) << c.what;
    }
}

TEST(MalformedResources, TopDownBitmapsReadInTheirOwnOrder) {
    const Bytes good = Copy(EmbeddedData(kRtBitmap, IDB_NOTE));
    const auto bottomUp = DecodeDib24(good);
    ASSERT_TRUE(bottomUp.has_value());
    Bytes flipped = good;
    PutU32(flipped, 8, static_cast<std::uint32_t>(-15));
    const auto topDown = DecodeDib24(flipped);
    ASSERT_TRUE(topDown.has_value());
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 25; ++x) {
            ASSERT_EQ(topDown->Pixel(x, y), bottomUp->Pixel(x, 14 - y));
        }
    }
}

TEST(MalformedResources, DialogWithUnterminatedTextsOrHugeCountFails) {
    Bytes dialog = Copy(EmbeddedData(kRtDialog, IDD_CANZET_DIALOG));
    Bytes hugeCount = dialog;
    PutU16(hugeCount, 16, 0xFFFF);  // control count of a DIALOGEX
    EXPECT_FALSE(ReadDialogTemplate(hugeCount).has_value());
    // Every UTF-16 zero after the header replaced: no text ends inside the bytes.
    Bytes unterminated = dialog;
    for (std::size_t i = 26; i + 1 < unterminated.size(); i += 2) {
        if (unterminated[i] == 0 && unterminated[i + 1] == 0) {
            unterminated[i] = 'x';
        }
    }
    EXPECT_FALSE(ReadDialogTemplate(unterminated).has_value());
}

TEST(MalformedResources, VersionBlockStructureErrors) {
    const Bytes good = Copy(EmbeddedData(kRtVersion, 1));
    ASSERT_TRUE(ReadVersionInfo(good).has_value());
    const struct {
        const char* what;
        std::size_t offset;
        std::uint16_t value;
    } cases[] = {
        {"root longer than the block", 0, 0xFFFF},
        {"root shorter than its header", 0, 4},
        {"fixed part too short", 2, 40},
        {"fixed part past the root", 2, 0xFFF0},
        {"wrong root key", 6, 'X'},
        {"wrong signature", 40, 0x1234},
    };
    for (const auto& c : cases) {
        Bytes copy = good;
        PutU16(copy, c.offset, c.value);
        EXPECT_FALSE(ReadVersionInfo(copy).has_value()) << c.what;
    }
}

TEST(MalformedResources, IconImageFormatErrors) {
    const Bytes good = Copy(EmbeddedData(kRtIcon, 1));
    const struct {
        const char* what;
        std::size_t offset;
        std::uint32_t value;
    } cases[] = {
        {"odd doubled height", 8, 63}, {"zero width", 4, 0},         {"huge width", 4, 0x10000},
        {"compressed", 16, 1},         {"too many colours", 32, 17}, {"header size", 0, 108},
    };
    for (const auto& c : cases) {
        Bytes copy = good;
        PutU32(copy, c.offset, c.value);
        EXPECT_FALSE(DecodeIconImage(copy).has_value()) << c.what;
    }
    Bytes badBits = good;
    PutU16(badBits, 14, 5);
    EXPECT_FALSE(DecodeIconImage(badBits).has_value());
}
