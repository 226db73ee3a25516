#include "platform/CBitmap.h"

#include "platform/Backend.h"
#include "platform/Resources.h"

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    if (!m_surface.IsEmpty()) {
        return FALSE;
    }
    if (!LoadBitmapResource(nIDResource, m_surface)) {
        return FALSE;
    }
    const Backend* backend = CurrentBackend();
    if (backend != nullptr && backend->OpaqueSurfaces()) {
        m_surface.MakeOpaque();
    }
    return TRUE;
}

BOOL CBitmap::DeleteObject() {
    if (m_surface.IsEmpty()) {
        return FALSE;
    }
    m_surface = Surface();
    return TRUE;
}
