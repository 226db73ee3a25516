#include "platform/res/VersionInfoReader.h"

#include <string>
#include <vector>

#include "platform/res/ByteReader.h"

namespace {

constexpr std::uint32_t kFixedSignature = 0xFEEF04BD;
constexpr std::size_t kFixedSize = 52;
constexpr std::uint16_t kTextType = 1;
// The block uses three levels below the root; more is malformed, and the limit keeps a
// crafted block from recursing deeply.
constexpr int kMaxDepth = 4;

struct Node {
    std::string key;
    bool isText = false;
    std::span<const std::uint8_t> value;
    std::vector<Node> children;
};

// Reads the node at the reader's position (already aligned); `whole` is the resource, so
// alignment counts from its start.
std::optional<Node> ReadNode(std::span<const std::uint8_t> whole, std::size_t start, int depth) {
    ByteReader in(whole);
    in.Seek(start);
    const std::uint16_t length = in.U16();
    const std::uint16_t valueLength = in.U16();
    const std::uint16_t type = in.U16();
    if (!in.Ok() || length < 6 || length > whole.size() - start || depth > kMaxDepth) {
        return std::nullopt;
    }
    const std::size_t end = start + length;
    ByteReader node(whole.first(end));
    node.Seek(start + 6);
    Node result;
    result.key = node.Utf16z();
    result.isText = type == kTextType;
    node.Align(4);
    if (!node.Ok()) {
        return std::nullopt;
    }
    if (valueLength != 0) {
        // Text lengths count UTF-16 units; a short block ends the value early.
        const std::size_t wanted = result.isText ? valueLength * std::size_t{2} : valueLength;
        const std::size_t available = node.Remaining();
        if (!result.isText && wanted > available) {
            return std::nullopt;
        }
        result.value = node.Bytes(wanted < available ? wanted : available);
    }
    node.Align(4);
    while (node.Ok() && node.Remaining() > 0) {
        auto child = ReadNode(whole.first(end), node.Offset(), depth + 1);
        if (!child) {
            return std::nullopt;
        }
        const std::size_t childStart = node.Offset();
        const std::uint16_t childLength =
            static_cast<std::uint16_t>(whole[childStart] | whole[childStart + 1] << 8);
        node.Seek(childStart + childLength);
        node.Align(4);
        result.children.push_back(std::move(*child));
    }
    return result;
}

// A text value up to its first terminating zero.
std::string TextValue(std::span<const std::uint8_t> value) {
    std::size_t units = value.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        if (value[2 * i] == 0 && value[2 * i + 1] == 0) {
            units = i;
            break;
        }
    }
    return Utf16ToUtf8(value.first(units * 2));
}

std::optional<FixedFileInfo> ReadFixed(std::span<const std::uint8_t> value) {
    ByteReader in(value);
    FixedFileInfo fixed;
    for (std::uint32_t* field :
         {&fixed.signature, &fixed.structVersion, &fixed.fileVersionMs, &fixed.fileVersionLs,
          &fixed.productVersionMs, &fixed.productVersionLs, &fixed.fileFlagsMask, &fixed.fileFlags,
          &fixed.fileOs, &fixed.fileType, &fixed.fileSubtype, &fixed.fileDateMs,
          &fixed.fileDateLs}) {
        *field = in.U32();
    }
    if (!in.Ok() || value.size() != kFixedSize || fixed.signature != kFixedSignature) {
        return std::nullopt;
    }
    return fixed;
}

}  // namespace

std::optional<VersionInfo> ReadVersionInfo(std::span<const std::uint8_t> bytes) {
    const auto root = ReadNode(bytes, 0, 0);
    if (!root || root->key != "VS_VERSION_INFO") {
        return std::nullopt;
    }
    VersionInfo info;
    const auto fixed = ReadFixed(root->value);
    if (!fixed) {
        return std::nullopt;
    }
    info.fixed = *fixed;
    for (const Node& block : root->children) {
        if (block.key == "StringFileInfo") {
            for (const Node& table : block.children) {
                VersionStringTable strings{table.key, {}};
                for (const Node& entry : table.children) {
                    strings.entries.emplace_back(entry.key, TextValue(entry.value));
                }
                info.stringTables.push_back(std::move(strings));
            }
        } else if (block.key == "VarFileInfo") {
            for (const Node& var : block.children) {
                if (var.key != "Translation") {
                    continue;
                }
                ByteReader in(var.value);
                while (in.Remaining() >= 4) {
                    VersionTranslation translation;
                    translation.language = in.U16();
                    translation.codePage = in.U16();
                    info.translations.push_back(translation);
                }
            }
        }
    }
    return info;
}
