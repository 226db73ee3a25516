// Appends little-endian fields to a byte vector.
#pragma once

#include <cstdint>
#include <vector>

class ByteWriter {
  public:
    void U8(unsigned value) { m_bytes.push_back(static_cast<std::uint8_t>(value)); }
    void U16(unsigned value) {
        U8(value & 0xFF);
        U8(value >> 8);
    }
    void U32(std::uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    std::vector<std::uint8_t>& Bytes() { return m_bytes; }

  private:
    std::vector<std::uint8_t> m_bytes;
};
