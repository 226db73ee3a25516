// The application object: shows the main dialog and ends the program when it closes.
#pragma once

#include "platform/CWinApp.h"

class CCanzetApp : public CWinApp {
  public:
    CCanzetApp();

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CCanzetApp theApp;
