#include "platform/win32/Win32PaintSurface.h"

Surface& Win32PaintSurface::ClientSurface() {
    FitToClient();
    return m_surface;
}

CRect Win32PaintSurface::BeginPaint() {
    if (m_painting) {
        return CRect(m_paint.rcPaint);
    }
    ::BeginPaint(m_hwnd, &m_paint);
    m_painting = true;
    FitToClient();
    return CRect(m_paint.rcPaint);
}

void Win32PaintSurface::EndPaint() {
    if (!m_painting) {
        return;
    }
    Present(m_paint.hdc);
    ::EndPaint(m_hwnd, &m_paint);
    m_painting = false;
}

void Win32PaintSurface::EraseToFace() {
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    m_surface.Reset(m_surface.Width(), m_surface.Height(),
                    RgbPixel(GetRValue(face), GetGValue(face), GetBValue(face)));
}

void Win32PaintSurface::FitToClient() {
    RECT client{};
    ::GetClientRect(m_hwnd, &client);
    if (client.right - client.left != m_surface.Width() ||
        client.bottom - client.top != m_surface.Height()) {
        m_surface.Reset(client.right - client.left, client.bottom - client.top);
    }
}

// The surface is a top-down 32-bit DIB as it stands: 0x00RRGGBB is B, G, R, 0 in memory.
void Win32PaintSurface::Present(HDC hdc) const {
    if (m_surface.IsEmpty()) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = m_surface.Width();
    info.bmiHeader.biHeight = -m_surface.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(hdc, 0, 0, static_cast<DWORD>(m_surface.Width()),
                      static_cast<DWORD>(m_surface.Height()), 0, 0, 0,
                      static_cast<UINT>(m_surface.Height()), m_surface.Pixels().data(), &info,
                      DIB_RGB_COLORS);
}
