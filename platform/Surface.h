// A rectangle of 32-bit pixels, 0x00RRGGBB, rows top to bottom with no padding: the
// drawing target of a window's client area and the storage of a loaded bitmap.
//
// The top byte carries no colour. An opaque surface holds 0xFF there in every pixel, for a
// toolkit that reads the byte as alpha (Qt's RGB32 is 0xFFRRGGBB, and a Wayland compositor
// blends with it): each drawing call writes the byte with the pixel, so presenting the
// surface needs no pass of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class Surface {
  public:
    static constexpr std::uint32_t kWhite = 0x00FFFFFF;
    static constexpr std::uint32_t kBlack = 0x00000000;
    static constexpr std::uint32_t kOpaque = 0xFF000000;

    Surface() = default;
    Surface(int width, int height, std::uint32_t fill = kWhite) { Reset(width, height, fill); }

    void Reset(int width, int height, std::uint32_t fill = kWhite) {
        m_width = width > 0 ? width : 0;
        m_height = height > 0 ? height : 0;
        m_pixels.assign(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height),
                        fill | m_alpha);
    }

    // From now on, and for the pixels it holds already.
    void MakeOpaque() {
        m_alpha = kOpaque;
        for (std::uint32_t& pixel : m_pixels) {
            pixel |= kOpaque;
        }
    }
    // What the top byte of every pixel holds: kOpaque or 0.
    std::uint32_t Alpha() const { return m_alpha; }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsEmpty() const { return m_pixels.empty(); }

    std::uint32_t* Row(int y) { return m_pixels.data() + static_cast<std::size_t>(y) * m_width; }
    const std::uint32_t* Row(int y) const {
        return m_pixels.data() + static_cast<std::size_t>(y) * m_width;
    }
    std::uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
    void SetPixel(int x, int y, std::uint32_t rgb) { Row(y)[x] = rgb | m_alpha; }
    const std::vector<std::uint32_t>& Pixels() const { return m_pixels; }

  private:
    int m_width = 0;
    int m_height = 0;
    std::uint32_t m_alpha = 0;
    std::vector<std::uint32_t> m_pixels;
};

constexpr std::uint32_t RgbPixel(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFFu) << 16 | (g & 0xFFu) << 8 | (b & 0xFFu);
}
