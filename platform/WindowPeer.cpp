#include "platform/WindowPeer.h"

#include "platform/CWnd.h"

WindowPeer::~WindowPeer() {
    if (m_owner != nullptr) {
        m_owner->Attach(nullptr);
    }
}
