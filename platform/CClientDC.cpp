#include "platform/CDC.h"
#include "platform/CWnd.h"
#include "platform/Surface.h"

CClientDC::CClientDC(CWnd* pWnd) {
    WindowPeer* peer = pWnd != nullptr ? pWnd->GetPeer() : nullptr;
    if (peer == nullptr) {
        return;
    }
    Surface& client = peer->ClientSurface();
    SetTarget(&client, CRect(0, 0, client.Width(), client.Height()));
}
