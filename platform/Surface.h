// A rectangle of 32-bit pixels, 0x00RRGGBB, rows top to bottom with no padding: the
// drawing target of a window's client area and the storage of a loaded bitmap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class Surface {
  public:
    static constexpr std::uint32_t kWhite = 0x00FFFFFF;
    static constexpr std::uint32_t kBlack = 0x00000000;

    Surface() = default;
    Surface(int width, int height, std::uint32_t fill = kWhite) { Reset(width, height, fill); }

    void Reset(int width, int height, std::uint32_t fill = kWhite) {
        m_width = width > 0 ? width : 0;
        m_height = height > 0 ? height : 0;
        m_pixels.assign(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height),
                        fill);
    }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsEmpty() const { return m_pixels.empty(); }

    std::uint32_t* Row(int y) { return m_pixels.data() + static_cast<std::size_t>(y) * m_width; }
    const std::uint32_t* Row(int y) const {
        return m_pixels.data() + static_cast<std::size_t>(y) * m_width;
    }
    std::uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
    void SetPixel(int x, int y, std::uint32_t rgb) { Row(y)[x] = rgb; }
    const std::vector<std::uint32_t>& Pixels() const { return m_pixels; }

  private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;
};

constexpr std::uint32_t RgbPixel(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFFu) << 16 | (g & 0xFFu) << 8 | (b & 0xFFu);
}
