#include "platform/CDC.h"

#include <algorithm>
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
    const Surface* source = pSrcDC->Source();
    if (source == nullptr || source->IsEmpty()) {
        return FALSE;
    }
    BlitArea area{x, y, nWidth, nHeight, xSrc, ySrc};
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
    BlitArea area{x, y, nWidth, nHeight, 0, 0};
    if (ClipBlitArea(area, DrawableArea(), nWidth, nHeight)) {
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
    return DrawLine(*m_target, DrawableArea(), from, m_position, kPenColour) ? TRUE : FALSE;
}

void CDC::DrawFocusRect(LPCRECT lpRect) {
    if (m_target == nullptr || lpRect == nullptr) {
        return;
    }
    const CRect rect(*lpRect);
    const CRect area = DrawableArea();
    const auto invert = [&](LONG x, LONG y) {
        // The dots keep their places on the surface, whatever the rectangle's origin.
        if ((x + y) % 2 == 0 && x >= area.left && x < area.right && y >= area.top &&
            y < area.bottom) {
            m_target->SetPixel(x, y, m_target->Pixel(x, y) ^ 0x00FFFFFFu);
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
    DrawIconImage(*m_target, DrawableArea(), x, y, *image, size);
    return TRUE;
}

HDC CDC::GetSafeHdc() const {
    if (!m_memory && m_target == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<HDC>(const_cast<CDC*>(this));
}

void CDC::SetTarget(Surface* target, const CRect& clip) {
    m_target = target;
    m_clip = clip;
}

const Surface* CDC::Source() const {
    if (m_memory) {
        return m_selected != nullptr ? &m_selected->Pixels() : nullptr;
    }
    return m_target;
}

CRect CDC::DrawableArea() const {
    return CRect(std::max<LONG>(m_clip.left, 0), std::max<LONG>(m_clip.top, 0),
                 std::min<LONG>(m_clip.right, m_target->Width()),
                 std::min<LONG>(m_clip.bottom, m_target->Height()));
}
