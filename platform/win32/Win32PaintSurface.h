// A window's paints in the program's own pixels: WM_PAINT draws into a Surface the size of
// the client area, which EndPaint copies to the window.
#pragma once

#include <windows.h>

#include "platform/CRect.h"
#include "platform/Surface.h"

class Win32PaintSurface {
  public:
    explicit Win32PaintSurface(HWND hwnd) : m_hwnd(hwnd) {}

    Surface& ClientSurface();
    // Begins a paint, or returns the part being renewed when one is under way.
    CRect BeginPaint();
    void EndPaint();
    bool IsPainting() const { return m_painting; }
    // Erases the surface in the dialog face colour, as the icon background is erased.
    void EraseToFace();

  private:
    void FitToClient();
    void Present(HDC hdc) const;

    HWND m_hwnd;
    Surface m_surface;
    PAINTSTRUCT m_paint{};
    bool m_painting = false;
};
