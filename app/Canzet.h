// The application object: shows the main dialog and ends the program when it closes.
#pragma once

#include "platform/CWinApp.h"

// The program's name, which titles its message boxes.
inline constexpr char kProgramName[] = "Canzet";

class CCanzetApp : public CWinApp {
  public:
    CCanzetApp();

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CCanzetApp theApp;
