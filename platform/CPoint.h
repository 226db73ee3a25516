// A point in window pixels, as the mouse handlers receive it.
#pragma once

#include "platform/WinTypes.h"

class CPoint : public POINT {
  public:
    CPoint() : POINT{0, 0} {}
    CPoint(int initX, int initY) : POINT{initX, initY} {}
    // Unpacks the signed 16-bit coordinates of a mouse message.
    explicit CPoint(LPARAM lParam) : POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)} {}

    bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
};
