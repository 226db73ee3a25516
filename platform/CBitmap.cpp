#include "platform/CBitmap.h"

#include "platform/Backend.h"
#include "platform/Resources.h"

namespace {

// A picture takes the surfaces' top byte of the toolkit it is drawn for.
void MatchBackend(Surface& picture) {
    const Backend* backend = CurrentBackend();
    if (backend != nullptr && backend->OpaqueSurfaces()) {
        picture.MakeOpaque();
    }
}

Surface Faded(const Surface& source, int percent) {
    Surface faded = source;
    for (int y = 0; y < faded.Height(); ++y) {
        for (int x = 0; x < faded.Width(); ++x) {
            const std::uint32_t pixel = source.Pixel(x, y);
            const auto fade = [&](int shift) {
                const unsigned channel = pixel >> shift & 0xFFu;
                return channel + (0xFFu - channel) * static_cast<unsigned>(percent) / 100;
            };
            faded.SetPixel(x, y, RgbPixel(fade(16), fade(8), fade(0)));
        }
    }
    return faded;
}

}  // namespace

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    if (!m_surface.IsEmpty()) {
        return FALSE;
    }
    if (!LoadBitmapResource(nIDResource, m_surface)) {
        return FALSE;
    }
    MatchBackend(m_surface);
    return TRUE;
}

BOOL CBitmap::LoadDoubleBitmap(UINT nIDResource) {
    if (m_surface.IsEmpty() || !m_double.IsEmpty()) {
        return FALSE;
    }
    if (!LoadBitmapResource(nIDResource, m_double)) {
        return FALSE;
    }
    MatchBackend(m_double);
    return TRUE;
}

BOOL CBitmap::CreateFaded(CBitmap& source, int percent) {
    if (!m_surface.IsEmpty() || source.IsEmpty() || percent < 0 || percent > 100) {
        return FALSE;
    }
    m_surface = Faded(source.m_surface, percent);
    m_double = Faded(source.PixelsAt(2), percent);
    return TRUE;
}

BOOL CBitmap::DeleteObject() {
    if (m_surface.IsEmpty()) {
        return FALSE;
    }
    m_surface = Surface();
    m_double = Surface();
    return TRUE;
}

const Surface& CBitmap::PixelsAt(int scale) {
    if (scale != 2 || m_surface.IsEmpty()) {
        return m_surface;
    }
    if (m_double.IsEmpty()) {
        m_double.Reset(m_surface.Width() * 2, m_surface.Height() * 2);
        if (m_surface.Alpha() != 0) {
            m_double.MakeOpaque();
        }
        for (int y = 0; y < m_double.Height(); ++y) {
            for (int x = 0; x < m_double.Width(); ++x) {
                m_double.SetPixel(x, y, m_surface.Pixel(x / 2, y / 2));
            }
        }
    }
    return m_double;
}
