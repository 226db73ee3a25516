#include "app/Canzet.h"

#include "app/CanzetDlg.h"

BEGIN_MESSAGE_MAP(CCanzetApp, CWinApp)
ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CCanzetApp::CCanzetApp() : CWinApp(nullptr) {}

CCanzetApp theApp;

BOOL CCanzetApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControls();

    CCanzetDlg dlg(nullptr, m_staffSetup, m_practiceSetup);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The dialog object goes away with this function; leave no pointer to it behind.
    m_pMainWnd = nullptr;

    // No message loop of our own: the program ends here.
    return FALSE;
}
