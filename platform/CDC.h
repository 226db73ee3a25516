// Drawing contexts over our own 32-bit surfaces. The pixels are computed here, the same
// under every windowing backend.
#pragma once

#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/WinTypes.h"

class CBitmap;
class CWnd;
class Surface;

class CDC {
  public:
    CDC() = default;
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A memory context whose surface is the bitmap selected into it.
    BOOL CreateCompatibleDC(CDC* pDC);
    // Makes the bitmap this memory context's surface; returns the previous one.
    CBitmap* SelectObject(CBitmap* pBitmap);
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop);
    // Lines in the default pen: solid, 1 pixel, black, copy mode; the end point is not drawn.
    CPoint MoveTo(int x, int y);
    BOOL LineTo(int x, int y);
    BOOL DrawIcon(int x, int y, HICON hIcon);
    HDC GetSafeHdc() const;

  protected:
    // Where this context draws, and the part of it that drawing may touch.
    void SetTarget(Surface* target, const CRect& clip);

  private:
    const Surface* Source() const;

    Surface* m_target = nullptr;
    CRect m_clip;
    CBitmap* m_selected = nullptr;
    bool m_memory = false;
    CPoint m_position;
};

// The context of one WM_PAINT: clipped to the invalid part of the window, which it
// validates; its destruction ends the repaint.
class CPaintDC : public CDC {
  public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

  private:
    CWnd* m_pWnd;
};

// A context on the whole client area, outside WM_PAINT.
class CClientDC : public CDC {
  public:
    explicit CClientDC(CWnd* pWnd);
};
