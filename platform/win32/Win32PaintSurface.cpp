#include "platform/win32/Win32PaintSurface.h"

#include "platform/win32/Win32Dpi.h"

Surface& Win32PaintSurface::ClientSurface() {
    FitToClient();
    return m_surface;
}

CRect Win32PaintSurface::BeginPaint() {
    if (!m_painting) {
        ::BeginPaint(m_hwnd, &m_paint);
        m_painting = true;
        FitToClient();
    }
    return Win32Dpi(m_hwnd).ToClient(m_paint.rcPaint);
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

// The surface holds PaintScale surface pixels to the client pixel.
void Win32PaintSurface::FitToClient() {
    RECT device{};
    ::GetClientRect(m_hwnd, &device);
    const Win32Dpi dpi(m_hwnd);
    const CRect client = dpi.ToClient(device);
    const int width = client.Width() * dpi.PaintScale();
    const int height = client.Height() * dpi.PaintScale();
    if (width != m_surface.Width() || height != m_surface.Height()) {
        m_surface.Reset(width, height);
    }
}

// The surface is a top-down 32-bit DIB as it stands: 0x00RRGGBB is B, G, R, 0 in memory.
// It is copied pixel for pixel where it matches the client area (96 and 192 dpi), else
// smoothly scaled to it.
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
    RECT device{};
    ::GetClientRect(m_hwnd, &device);
    if (device.right == m_surface.Width() && device.bottom == m_surface.Height()) {
        SetDIBitsToDevice(hdc, 0, 0, static_cast<DWORD>(m_surface.Width()),
                          static_cast<DWORD>(m_surface.Height()), 0, 0, 0,
                          static_cast<UINT>(m_surface.Height()), m_surface.Pixels().data(), &info,
                          DIB_RGB_COLORS);
        return;
    }
    SetStretchBltMode(hdc, HALFTONE);
    SetBrushOrgEx(hdc, 0, 0, nullptr);
    StretchDIBits(hdc, 0, 0, device.right, device.bottom, 0, 0, m_surface.Width(),
                  m_surface.Height(), m_surface.Pixels().data(), &info, DIB_RGB_COLORS, SRCCOPY);
}
