#include "app/ChartDigits.h"

#include <iterator>
#include <string>

namespace {

constexpr int kDigitWidth = 5;
constexpr int kDigitHeight = 9;
constexpr int kAdvance = kDigitWidth + 2;

// Segments a to g (top, top right, bottom right, bottom, bottom left, top left, middle), one
// bit each, for 0 to 9.
constexpr unsigned char kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                         0x6D, 0x7D, 0x07, 0x7F, 0x6F};

void Stroke(CDC& dc, int x0, int y0, int x1, int y1) {
    dc.MoveTo(x0, y0);
    // The end point is not drawn: one past it.
    dc.LineTo(x1 + (x1 > x0 ? 1 : 0), y1 + (y1 > y0 ? 1 : 0));
}

// The ends of segments a to g: a column (0 left, 1 right) and a row (0 top, 1 middle,
// 2 bottom) each.
struct SegmentEnds {
    int column0, row0, column1, row1;
};
constexpr SegmentEnds kSegmentEnds[7] = {{0, 0, 1, 0}, {1, 0, 1, 1}, {1, 1, 1, 2}, {0, 2, 1, 2},
                                         {0, 1, 0, 2}, {0, 0, 0, 1}, {0, 1, 1, 1}};

void DrawDigit(CDC& dc, int x, int y, int digit) {
    const int columns[2] = {x, x + kDigitWidth - 1};
    const int rows[3] = {y, y + kDigitHeight / 2, y + kDigitHeight - 1};
    for (std::size_t segment = 0; segment < std::size(kSegmentEnds); ++segment) {
        if (kSegments[digit] & (1u << segment)) {
            const SegmentEnds& e = kSegmentEnds[segment];
            Stroke(dc, columns[e.column0], rows[e.row0], columns[e.column1], rows[e.row1]);
        }
    }
}

}  // namespace

void DrawNumber(CDC& dc, int x, int y, int value, DigitsAlign align) {
    const std::string digits = std::to_string(value < 0 ? 0 : value);
    const int width = static_cast<int>(digits.size()) * kAdvance - 2;
    int left = x;
    if (align == DigitsAlign::Right) {
        left = x - width + 1;
    } else if (align == DigitsAlign::Centre) {
        left = x - width / 2;
    }
    for (const char c : digits) {
        DrawDigit(dc, left, y, c - '0');
        left += kAdvance;
    }
}
