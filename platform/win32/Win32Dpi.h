// A window's dots per inch and the two kinds of pixel that follow from them: the window
// system's device pixels and the program's client pixels, 96 to the inch, in which every
// position, size and hit test is given. The staff's pictures are drawn twice as fine from
// 144 dpi on.
#pragma once

#include <windows.h>
#include <windowsx.h>

#include "platform/CPoint.h"
#include "platform/CRect.h"

class Win32Dpi {
  public:
    explicit Win32Dpi(HWND hwnd);

    UINT Dpi() const { return m_dpi; }
    // Surface pixels to a client pixel along each axis.
    int PaintScale() const { return m_dpi >= 144 ? 2 : 1; }
    // A point, or the one a mouse message carries, in client pixels.
    CPoint ToClient(POINT device) const;
    CPoint ToClient(LPARAM devicePoint) const {
        return ToClient(POINT{GET_X_LPARAM(devicePoint), GET_Y_LPARAM(devicePoint)});
    }
    // Rectangles are converted outwards, so that a part covers at least what it did.
    CRect ToClient(const RECT& device) const;
    CRect ToDevice(const RECT& client) const;

  private:
    UINT m_dpi;
};
