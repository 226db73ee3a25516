// Reads little-endian fields from a byte span. Every read is checked against the end of
// the span; a read that would pass it fails and leaves the reader failed, so a parser can
// read a run of fields and check once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool Ok() const { return m_ok; }
    std::size_t Offset() const { return m_offset; }
    std::size_t Remaining() const { return m_ok ? m_bytes.size() - m_offset : 0; }

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

    // The next `count` bytes; an empty span (and failure) if fewer remain.
    std::span<const std::uint8_t> Bytes(std::size_t count);
    void Skip(std::size_t count) { Bytes(count); }
    // Moves to an absolute offset within the span (the end itself is allowed).
    void Seek(std::size_t offset);
    // Skips to the next multiple of `alignment` counted from the span's start.
    void Align(std::size_t alignment);

    // A zero-terminated UTF-16 string, converted to UTF-8.
    std::string Utf16z();
    void Fail() { m_ok = false; }

  private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_offset = 0;
    bool m_ok = true;
};

// UTF-16 code units (little-endian in `bytes`) to UTF-8. Unpaired surrogates become
// U+FFFD, as a text control would show them.
std::string Utf16ToUtf8(std::span<const std::uint8_t> bytes);
