#include "platform/CDC.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>

#include "platform/Backend.h"
#include "platform/Blit.h"
#include "platform/CBitmap.h"
#include "platform/IconRaster.h"
#include "platform/LineRaster.h"
#include "platform/Surface.h"

namespace {

constexpr std::uint32_t kPenColour = 0x00000000;
constexpr int kDefaultIconSize = 32;

// A client coordinate in target pixels; one far outside any surface stays far outside
// instead of overflowing.
int Times(int value, int scale) {
    return std::clamp(value, INT_MIN / scale, INT_MAX / scale) * scale;
}

}  // namespace

BOOL CDC::CreateCompatibleDC(CDC*) {
    if (m_memory || m_target != nullptr) {
        return FALSE;
    }
    m_memory = true;
    return TRUE;
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    if (!m_memory || pBitmap == nullptr) {
        return nullptr;
    }
    return std::exchange(m_selected, pBitmap);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) {
    if (m_target == nullptr || pSrcDC == nullptr || !IsSupportedRop(dwRop)) {
        return FALSE;
    }
    const Surface* source = pSrcDC->Source(m_scale);
    if (source == nullptr || source->IsEmpty()) {
        return FALSE;
    }
    const int s = m_scale;
    BlitArea area{Times(x, s),       Times(y, s),    Times(nWidth, s),
                  Times(nHeight, s), Times(xSrc, s), Times(ySrc, s)};
    if (ClipBlitArea(area, DrawableArea(), source->Width(), source->Height())) {
        RunBlit(*m_target, *source, area, dwRop);
    }
    return TRUE;
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
    if (m_target == nullptr || (dwRop != WHITENESS && dwRop != BLACKNESS)) {
        return FALSE;
    }
    // A block transfer from a source as large as the block itself clips the same way.
    const int s = m_scale;
    BlitArea area{Times(x, s), Times(y, s), Times(nWidth, s), Times(nHeight, s), 0, 0};
    if (ClipBlitArea(area, DrawableArea(), area.width, area.height)) {
        FillArea(*m_target, CRect(area.x, area.y, area.x + area.width, area.y + area.height),
                 dwRop == WHITENESS ? Surface::kWhite : Surface::kBlack);
    }
    return TRUE;
}

CPoint CDC::MoveTo(int x, int y) {
    return std::exchange(m_position, CPoint(x, y));
}

BOOL CDC::LineTo(int x, int y) {
    const CPoint from = std::exchange(m_position, CPoint(x, y));
    if (m_target == nullptr) {
        return FALSE;
    }
    if (m_scale != 1) {
        return ScaledLineTo(from, m_position);
    }
    return DrawLine(*m_target, DrawableArea(), from, m_position, kPenColour) ? TRUE : FALSE;
}

// The pen is as wide as a client pixel. A level or upright line covers exactly the target
// pixels of the client pixels it would cover; a slanted one is drawn once from each
// corner of its end pixels.
BOOL CDC::ScaledLineTo(CPoint from, CPoint to) {
    const int s = m_scale;
    if (std::abs(static_cast<long long>(from.x)) >= kLineCoordinateLimit / s ||
        std::abs(static_cast<long long>(from.y)) >= kLineCoordinateLimit / s ||
        std::abs(static_cast<long long>(to.x)) >= kLineCoordinateLimit / s ||
        std::abs(static_cast<long long>(to.y)) >= kLineCoordinateLimit / s) {
        return FALSE;
    }
    if (from == to) {
        return TRUE;
    }
    if (from.x == to.x || from.y == to.y) {
        // The client pixels from `from` toward `to`, the end point left out.
        const auto span = [](LONG a, LONG b) {
            return b > a ? std::pair(a, b) : b < a ? std::pair(b + 1, a + 1) : std::pair(a, a + 1);
        };
        const auto [left, right] = span(from.x, to.x);
        const auto [top, bottom] = span(from.y, to.y);
        const CRect line = Scaled(CRect(left, top, right, bottom));
        const CRect area = DrawableArea();
        const CRect fill(std::max(line.left, area.left), std::max(line.top, area.top),
                         std::min(line.right, area.right), std::min(line.bottom, area.bottom));
        if (!fill.IsRectEmpty()) {
            FillArea(*m_target, fill, kPenColour);
        }
        return TRUE;
    }
    for (int dy = 0; dy < s; ++dy) {
        for (int dx = 0; dx < s; ++dx) {
            DrawLine(*m_target, DrawableArea(), CPoint(from.x * s + dx, from.y * s + dy),
                     CPoint(to.x * s + dx, to.y * s + dy), kPenColour);
        }
    }
    return TRUE;
}

void CDC::DrawFocusRect(LPCRECT lpRect) {
    if (m_target == nullptr || lpRect == nullptr) {
        return;
    }
    const CRect rect(*lpRect);
    const CRect area = DrawableArea();
    const auto invert = [&](LONG x, LONG y) {
        // The dots keep their places on the surface, whatever the rectangle's origin; each
        // is a client pixel.
        if ((x + y) % 2 != 0) {
            return;
        }
        for (LONG ty = y * m_scale; ty < (y + 1) * m_scale; ++ty) {
            for (LONG tx = x * m_scale; tx < (x + 1) * m_scale; ++tx) {
                if (tx >= area.left && tx < area.right && ty >= area.top && ty < area.bottom) {
                    m_target->SetPixel(tx, ty, m_target->Pixel(tx, ty) ^ 0x00FFFFFFu);
                }
            }
        }
    };
    if (rect.IsRectEmpty()) {
        return;
    }
    for (LONG x = rect.left; x < rect.right; ++x) {
        invert(x, rect.top);
        if (rect.bottom - 1 > rect.top) {
            invert(x, rect.bottom - 1);
        }
    }
    for (LONG y = rect.top + 1; y < rect.bottom - 1; ++y) {
        invert(rect.left, y);
        if (rect.right - 1 > rect.left) {
            invert(rect.right - 1, y);
        }
    }
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) {
    if (m_target == nullptr || hIcon == nullptr) {
        return FALSE;
    }
    const int metric = GetSystemMetrics(SM_CXICON);
    const int size = metric > 0 ? metric : kDefaultIconSize;
    const IconImage* image = ChooseIconImage(hIcon, size);
    if (image == nullptr) {
        return FALSE;
    }
    DrawIconImage(*m_target, DrawableArea(), Times(x, m_scale), Times(y, m_scale), *image,
                  size * m_scale);
    return TRUE;
}

HDC CDC::GetSafeHdc() const {
    if (!m_memory && m_target == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<HDC>(const_cast<CDC*>(this));
}

void CDC::SetTarget(Surface* target, const CRect& clip, int scale) {
    m_target = target;
    m_scale = scale > 1 ? scale : 1;
    m_clip = Scaled(clip);
}

const Surface* CDC::Source(int scale) const {
    if (m_memory) {
        return m_selected != nullptr ? &m_selected->PixelsAt(scale) : nullptr;
    }
    return m_target;
}

CRect CDC::Scaled(const CRect& rect) const {
    return CRect(Times(rect.left, m_scale), Times(rect.top, m_scale), Times(rect.right, m_scale),
                 Times(rect.bottom, m_scale));
}

CRect CDC::DrawableArea() const {
    return CRect(std::max<LONG>(m_clip.left, 0), std::max<LONG>(m_clip.top, 0),
                 std::min<LONG>(m_clip.right, m_target->Width()),
                 std::min<LONG>(m_clip.bottom, m_target->Height()));
}
