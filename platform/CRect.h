// A rectangle in window pixels; right and bottom lie just outside it.
#pragma once

#include "platform/WinTypes.h"

class CRect : public RECT {
  public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    explicit CRect(const RECT& rect) : RECT(rect) {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const CRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

#ifndef _WIN32
// The left and top edges are inside the rectangle, the right and bottom edges outside.
inline BOOL PtInRect(const RECT* rect, POINT pt) {
    return pt.x >= rect->left && pt.x < rect->right && pt.y >= rect->top && pt.y < rect->bottom
               ? TRUE
               : FALSE;
}
#endif
