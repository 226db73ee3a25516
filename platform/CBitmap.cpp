#include "platform/CBitmap.h"

#include "platform/Resources.h"

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    if (!m_surface.IsEmpty()) {
        return FALSE;
    }
    return LoadBitmapResource(nIDResource, m_surface) ? TRUE : FALSE;
}

BOOL CBitmap::DeleteObject() {
    if (m_surface.IsEmpty()) {
        return FALSE;
    }
    m_surface = Surface();
    return TRUE;
}
