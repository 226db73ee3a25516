#include "platform/CWinApp.h"

#include "platform/Backend.h"
#include "platform/Icon.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(LPCSTR) {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return LoadIconResource(nIDResource);
}

// The toolkit draws its controls in its own style; there is nothing to switch on.
BOOL CWinApp::Enable3dControls() {
    return TRUE;
}

// The program ships no help of its own.
void CWinApp::OnHelp() {}

CWinApp* AfxGetApp() {
    return g_app;
}

int AfxWinMain() {
    if (g_app == nullptr) {
        return 1;
    }
    // InitInstance returning FALSE means: no message loop, end the program.
    g_app->InitInstance();
    return 0;
}

// Controls are created by the backend from dialog templates; no container to set up.
void AfxEnableControlContainer() {}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT) {
    Backend* backend = CurrentBackend();
    return backend != nullptr ? backend->MessageBox(lpszText != nullptr ? lpszText : "", nType) : 0;
}
