// The application object and the framework entry that runs it.
#pragma once

#include "platform/CCmdTarget.h"
#include "platform/WinTypes.h"

class CWnd;

// The framework's help command.
constexpr UINT ID_HELP = 0xE146;

class CWinApp : public CCmdTarget {
  public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    HICON LoadIcon(UINT nIDResource) const;
    BOOL Enable3dControls();
    void OnHelp();

    CWnd* m_pMainWnd = nullptr;
};

// The one application object, registered by its constructor.
CWinApp* AfxGetApp();

// Runs the application object's InitInstance; the program ends when it returns.
// Returns the process exit code.
int AfxWinMain();

void AfxEnableControlContainer();

// A modal message box with the given text (UTF-8); 0 when no backend can show it.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
