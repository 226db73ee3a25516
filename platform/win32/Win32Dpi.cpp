#include "platform/win32/Win32Dpi.h"

namespace {
constexpr LONGLONG kClientDpi = 96;

// Systems before Windows 10 1607, and some Wine builds, lack GetDpiForWindow: the
// program asks for it by name and otherwise reads the screen's dpi.
UINT WindowDpi(HWND hwnd) {
    using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowProc>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(hwnd) : 0;
    if (dpi == 0) {
        HDC screen = GetDC(nullptr);
        dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
        ReleaseDC(nullptr, screen);
    }
    return dpi != 0 ? dpi : static_cast<UINT>(kClientDpi);
}

// value * numerator / denominator rounded down (Ceil: up), negative values included: a
// pointer left of the window stays left of it.
LONG Floor(LONG value, LONGLONG numerator, LONGLONG denominator) {
    const LONGLONG product = value * numerator;
    LONGLONG quotient = product / denominator;
    if (product % denominator != 0 && product < 0) {
        --quotient;
    }
    return static_cast<LONG>(quotient);
}

LONG Ceil(LONG value, LONGLONG numerator, LONGLONG denominator) {
    return -Floor(-value, numerator, denominator);
}
}  // namespace

Win32Dpi::Win32Dpi(HWND hwnd) : m_dpi(WindowDpi(hwnd)) {}

CPoint Win32Dpi::ToClient(POINT device) const {
    return CPoint(Floor(device.x, kClientDpi, m_dpi), Floor(device.y, kClientDpi, m_dpi));
}

CRect Win32Dpi::ToClient(const RECT& device) const {
    return CRect(Floor(device.left, kClientDpi, m_dpi), Floor(device.top, kClientDpi, m_dpi),
                 Ceil(device.right, kClientDpi, m_dpi), Ceil(device.bottom, kClientDpi, m_dpi));
}

CRect Win32Dpi::ToDevice(const RECT& client) const {
    return CRect(Floor(client.left, m_dpi, kClientDpi), Floor(client.top, m_dpi, kClientDpi),
                 Ceil(client.right, m_dpi, kClientDpi), Ceil(client.bottom, m_dpi, kClientDpi));
}
