#include "platform/res/ByteReader.h"

std::uint8_t ByteReader::U8() {
    const auto bytes = Bytes(1);
    return bytes.empty() ? 0 : bytes[0];
}

std::uint16_t ByteReader::U16() {
    const auto bytes = Bytes(2);
    return bytes.empty() ? 0 : static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t ByteReader::U32() {
    const auto bytes = Bytes(4);
    if (bytes.empty()) {
        return 0;
    }
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::span<const std::uint8_t> ByteReader::Bytes(std::size_t count) {
    if (!m_ok || count > m_bytes.size() - m_offset) {
        m_ok = false;
        return {};
    }
    const auto result = m_bytes.subspan(m_offset, count);
    m_offset += count;
    return result;
}

void ByteReader::Seek(std::size_t offset) {
    if (!m_ok || offset > m_bytes.size()) {
        m_ok = false;
        return;
    }
    m_offset = offset;
}

void ByteReader::Align(std::size_t alignment) {
    const std::size_t misalignment = m_offset % alignment;
    if (misalignment != 0) {
        Skip(alignment - misalignment);
    }
}

std::string ByteReader::Utf16z() {
    const std::size_t start = m_offset;
    while (m_ok && U16() != 0) {
    }
    if (!m_ok) {
        return {};
    }
    return Utf16ToUtf8(m_bytes.subspan(start, m_offset - start - 2));
}

namespace {

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::string Utf16ToUtf8(std::span<const std::uint8_t> bytes) {
    constexpr std::uint32_t kReplacement = 0xFFFD;
    std::string out;
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const std::uint32_t unit = bytes[2 * i] | bytes[2 * i + 1] << 8;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < units) {
            const std::uint32_t low = bytes[2 * i + 2] | bytes[2 * i + 3] << 8;
            if (low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, unit >= 0xD800 && unit < 0xE000 ? kReplacement : unit);
    }
    return out;
}
