// Reads a fuzzer's input as a sequence of small values. Running out of bytes yields zeros,
// so every input decodes to some sequence of operations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

class ByteStream {
  public:
    ByteStream(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool Empty() const { return m_pos >= m_size; }

    std::uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    std::int16_t Int16() {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(Byte() | Byte() << 8));
    }

    std::int32_t Int32() {
        std::uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            value |= static_cast<std::uint32_t>(Byte()) << shift;
        }
        return static_cast<std::int32_t>(value);
    }

    // An integer that is usually small and sometimes any 32-bit value, so that short inputs
    // reach the interesting ranges while extreme values stay reachable.
    std::int32_t Int() {
        const std::uint8_t tag = Byte();
        if (tag < 0xF0) {
            return static_cast<std::int32_t>(tag) - 40;
        }
        return Int32();
    }

  private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};
