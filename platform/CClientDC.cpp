#include "platform/CDC.h"
#include "platform/CWnd.h"

CClientDC::CClientDC(CWnd* pWnd) {
    WindowPeer* peer = pWnd != nullptr ? pWnd->GetPeer() : nullptr;
    if (peer == nullptr) {
        return;
    }
    SetTarget(&peer->ClientSurface(), peer->ClientRect(), peer->PaintScale());
}
