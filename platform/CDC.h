// Drawing contexts over our own 32-bit surfaces. The pixels are computed here, the same
// under every windowing backend.
#pragma once

#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/WinTypes.h"

class CBitmap;
class CWnd;
class Surface;
class WindowPeer;

class CDC {
  public:
    CDC() = default;
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Makes this an empty context into which a bitmap can be selected as the source of
    // BitBlt. Fails on a context that is already in use.
    BOOL CreateCompatibleDC(CDC* pDC);
    // Makes the bitmap this memory context's picture; returns the previous one (nullptr
    // at first, and on failure).
    CBitmap* SelectObject(CBitmap* pBitmap);
    // SRCCOPY, MERGEPAINT or SRCAND of the source's block at (xSrc, ySrc) onto (x, y),
    // clipped to this context and to the source's picture. An empty source draws nothing.
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop);
    // WHITENESS or BLACKNESS over the block at (x, y), clipped to this context.
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);
    // Lines in the default pen: solid, 1 pixel, black, copy mode; the end point is not drawn.
    CPoint MoveTo(int x, int y);
    BOOL LineTo(int x, int y);
    // Inverts every other pixel of the rectangle's one-pixel border, as the window system
    // marks the focus; drawing it again takes it away.
    void DrawFocusRect(LPCRECT lpRect);
    // Draws the icon's image at the system icon size, through its transparency mask.
    BOOL DrawIcon(int x, int y, HICON hIcon);
    // Identifies this context while it can draw or be drawn from; nullptr otherwise.
    HDC GetSafeHdc() const;

  protected:
    // Where this context draws, and the part of it that drawing may touch, in client
    // pixels; `scale` target pixels make one client pixel along each axis.
    void SetTarget(Surface* target, const CRect& clip, int scale = 1);

  private:
    // The picture a block transfer from this context reads, at the target's scale.
    const Surface* Source(int scale) const;
    // The clip rectangle in target pixels, within the target's current size.
    CRect DrawableArea() const;
    // Target pixels of a client rectangle.
    CRect Scaled(const CRect& rect) const;
    BOOL ScaledLineTo(CPoint from, CPoint to);

    Surface* m_target = nullptr;
    CRect m_clip;
    CBitmap* m_selected = nullptr;
    bool m_memory = false;
    CPoint m_position;
    int m_scale = 1;
};

// The context of one WM_PAINT: clipped to the invalid part of the window, which it
// validates; its destruction ends the repaint.
class CPaintDC : public CDC {
  public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    // The part of the client area that this repaint renews.
    const CRect& PaintRect() const { return m_paintRect; }

  private:
    WindowPeer* m_peer = nullptr;
    CRect m_paintRect;
};

// A context on the whole client area, outside WM_PAINT.
class CClientDC : public CDC {
  public:
    explicit CClientDC(CWnd* pWnd);
};
