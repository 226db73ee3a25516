// A picture that a drawing context can select: a resource bitmap held as 32-bit pixels,
// converted once when it is loaded, and optionally the same picture drawn at twice the size
// for contexts that paint two surface pixels to the pixel.
#pragma once

#include "platform/Surface.h"
#include "platform/WinTypes.h"

class CBitmap {
  public:
    // Replaces nothing: loading into a bitmap that holds a picture fails, as it does in
    // the window system; release it with DeleteObject first.
    BOOL LoadBitmap(UINT nIDResource);
    // Adds the twice-size picture; fails without a picture, or with one already added.
    BOOL LoadDoubleBitmap(UINT nIDResource);
    // A copy of `source` at both sizes, each pixel moved `percent` of the way to white: a
    // glyph that then draws through its mask in grey. Fails on a bitmap that holds a picture
    // or an empty source.
    BOOL CreateFaded(CBitmap& source, int percent);
    // Releases both pictures; does nothing on an empty bitmap.
    BOOL DeleteObject();

    bool IsEmpty() const { return m_surface.IsEmpty(); }
    const Surface& Pixels() const { return m_surface; }
    // The picture at 1 or 2 surface pixels to the pixel; at 2 without a twice-size
    // picture, the picture with each pixel doubled.
    const Surface& PixelsAt(int scale);

  private:
    Surface m_surface;
    Surface m_double;
};
