#include "app/ChartDigits.h"

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

void DrawDigit(CDC& dc, int x, int y, int digit) {
    const unsigned bits = kSegments[digit];
    const int r = x + kDigitWidth - 1;
    const int m = y + kDigitHeight / 2;
    const int b = y + kDigitHeight - 1;
    if (bits & 0x01)
        Stroke(dc, x, y, r, y);
    if (bits & 0x02)
        Stroke(dc, r, y, r, m);
    if (bits & 0x04)
        Stroke(dc, r, m, r, b);
    if (bits & 0x08)
        Stroke(dc, x, b, r, b);
    if (bits & 0x10)
        Stroke(dc, x, m, x, b);
    if (bits & 0x20)
        Stroke(dc, x, y, x, m);
    if (bits & 0x40)
        Stroke(dc, x, m, r, m);
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
