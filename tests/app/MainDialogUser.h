// The main dialog's window and controls, as a user reaches them.
#pragma once

#include <string>

#include "platform/WinTypes.h"
#include "platform/headless/HeadlessWindow.h"
#include "tests/support/DialogUser.h"

class MainDialogUser : public DialogUser<HeadlessWindow> {
  public:
    using DialogUser::DialogUser;

    HeadlessWindow& Staff();
    HeadlessWindow& PositionButton();

    // Mouse on the staff, in staff pixels; each message is followed by the repaint it asks.
    void Press(int x, int y);
    void Drag(int x, int y);
    void Release(int x, int y);
    void Place(int x, int y);  // press and release at one point

    // A key on the focused staff; `ctrl` holds Ctrl down for it.
    void Key(int virtualKey, bool ctrl = false);
    void Click(int controlId);
    void SystemCommand(UINT id);
    std::string Caption();

  private:
    void Mouse(UINT message, UINT flags, int x, int y);
};
