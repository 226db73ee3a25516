// The application object: shows the main dialog and ends the program when it closes.
#pragma once

#include "app/PracticeSetup.h"
#include "app/StaffSetup.h"
#include "platform/CWinApp.h"

// The program's name, which titles its message boxes.
inline constexpr char kProgramName[] = "Canzet";

class CCanzetApp : public CWinApp {
  public:
    CCanzetApp();

    BOOL InitInstance() override;

    // What the main dialog starts with; the program's entry may change it before it runs.
    StaffSetup m_staffSetup;
    PracticeSetup m_practiceSetup;

    DECLARE_MESSAGE_MAP()
};

extern CCanzetApp theApp;
