// A picture that a drawing context can select: a resource bitmap held as 32-bit pixels,
// converted once when it is loaded.
#pragma once

#include "platform/Surface.h"
#include "platform/WinTypes.h"

class CBitmap {
  public:
    // Replaces nothing: loading into a bitmap that holds a picture fails, as it does in
    // the window system; release it with DeleteObject first.
    BOOL LoadBitmap(UINT nIDResource);
    // Releases the picture; does nothing on an empty bitmap.
    BOOL DeleteObject();

    bool IsEmpty() const { return m_surface.IsEmpty(); }
    const Surface& Pixels() const { return m_surface; }

  private:
    Surface m_surface;
};
