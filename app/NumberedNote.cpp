#include "app/NumberedNote.h"

#include <array>
#include <cstdlib>
#include <vector>

namespace {

using Layout = NumberedNoteLayout;

struct Point {
    int x;
    int y;
};
// Each digit 1..7 as strokes on the left 6 x 11 of its box, the pen's second column
// filling the seventh; a stroke is a polyline ending at {-1, -1}.
const std::array<std::vector<Point>, 7> kDigitStrokes = {{
    {{1, 2}, {3, 0}, {3, 10}, {-1, -1}, {1, 10}, {5, 10}, {-1, -1}},
    {{0, 2}, {1, 0}, {4, 0}, {5, 2}, {5, 4}, {0, 10}, {5, 10}, {-1, -1}},
    {{0, 0}, {5, 0}, {2, 4}, {4, 4}, {5, 6}, {5, 9}, {4, 10}, {1, 10}, {0, 9}, {-1, -1}},
    {{4, 0}, {0, 7}, {5, 7}, {-1, -1}, {4, 0}, {4, 10}, {-1, -1}},
    {{5, 0}, {0, 0}, {0, 4}, {4, 4}, {5, 6}, {5, 9}, {4, 10}, {0, 10}, {-1, -1}},
    {{5, 0}, {2, 0}, {0, 3}, {0, 9}, {1, 10}, {4, 10}, {5, 9}, {5, 6}, {4, 5}, {0, 5}, {-1, -1}},
    {{0, 0}, {5, 0}, {2, 10}, {-1, -1}},
}};
// The sharp and the flat on the left 4 x 11 of a 5 x 11 box.
const std::vector<Point> kSharp = {{1, 1}, {1, 10}, {-1, -1}, {3, 0}, {3, 9}, {-1, -1},
                                   {0, 4}, {3, 3},  {-1, -1}, {0, 8}, {3, 7}, {-1, -1}};
const std::vector<Point> kFlat = {{0, 0}, {0, 10}, {2, 8}, {3, 6}, {2, 5}, {0, 6}, {-1, -1}};

// Two pixels wide, as the digits of a printed score are heavier than a hairline.
void DrawStrokes(CDC& dc, int left, int top, const std::vector<Point>& strokes) {
    for (const int dx : {0, 1}) {
        bool start = true;
        for (const Point& p : strokes) {
            if (p.x < 0) {
                start = true;
                continue;
            }
            const int x = left + dx + p.x;
            const int y = top + p.y;
            if (start) {
                dc.MoveTo(x, y);
                start = false;
            } else {
                dc.LineTo(x, y);
            }
        }
        // The end point of a line is not drawn: the last points are touched apart.
        for (std::size_t i = 0; i < strokes.size(); ++i) {
            if (strokes[i].x < 0 && i > 0) {
                dc.PatBlt(left + dx + strokes[i - 1].x, top + strokes[i - 1].y, 1, 1, BLACKNESS);
            }
        }
    }
}

int SignWidth(const staff::NoteName& name) {
    return name.degreeAlteration == 0 ? 0 : Layout::kSignWidth + Layout::kSignGap;
}

}  // namespace

CRect NumberedNoteLayout::DigitBox(const CRect& box, const staff::NoteName& name) {
    const int width = SignWidth(name) + kDigitWidth;
    const int left = box.left + (box.Width() - width) / 2 + SignWidth(name);
    const int top = box.top + (box.Height() - kDigitHeight) / 2;
    return CRect(left, top, left + kDigitWidth, top + kDigitHeight);
}

CRect NumberedNoteLayout::DotBox(const CRect& digit, const staff::NoteName& name, int index) {
    const int left = digit.left + (kDigitWidth - kDot) / 2;
    const int reach = kDotGap + index * (kDot + kDotGap);
    const int top = name.dots > 0 ? digit.top - reach - kDot : digit.bottom + reach;
    return CRect(left, top, left + kDot, top + kDot);
}

void DrawNumberedNote(CDC& dc, const CRect& box, const staff::NoteName& name) {
    const CRect digit = Layout::DigitBox(box, name);
    DrawStrokes(dc, digit.left, digit.top,
                kDigitStrokes[static_cast<std::size_t>(name.degree - 1)]);
    if (name.degreeAlteration != 0) {
        DrawStrokes(dc, digit.left - SignWidth(name), digit.top,
                    name.degreeAlteration > 0 ? kSharp : kFlat);
    }
    for (int i = 0; i < std::abs(name.dots); ++i) {
        const CRect dot = Layout::DotBox(digit, name, i);
        dc.PatBlt(dot.left, dot.top, Layout::kDot, Layout::kDot, BLACKNESS);
    }
}

BEGIN_MESSAGE_MAP(CNumberedNote, CPictureStatic)
ON_WM_PAINT()
END_MESSAGE_MAP()

void CNumberedNote::Show(std::optional<staff::NoteName> name) {
    m_name = name;
    InvalidateRect(nullptr, TRUE);
}

void CNumberedNote::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    // A white card, as the staff is, while there is a note to show; else nothing but the
    // dialog's face, which the window system's erase gives a paint of ours as it gives an
    // iconic window's.
    if (m_name) {
        dc.PatBlt(client.left, client.top, client.Width(), client.Height(), WHITENESS);
        DrawNumberedNote(dc, client, *m_name);
    } else {
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    }
}
