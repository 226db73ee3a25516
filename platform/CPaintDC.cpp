#include "platform/CDC.h"
#include "platform/CWnd.h"

CPaintDC::CPaintDC(CWnd* pWnd) : m_peer(pWnd != nullptr ? pWnd->GetPeer() : nullptr) {
    if (m_peer == nullptr) {
        return;
    }
    m_paintRect = m_peer->BeginPaint();
    SetTarget(&m_peer->ClientSurface(), m_paintRect, m_peer->PaintScale());
}

CPaintDC::~CPaintDC() {
    if (m_peer != nullptr) {
        m_peer->EndPaint();
    }
}
