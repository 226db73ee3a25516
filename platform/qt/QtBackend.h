// The Qt Widgets windowing backend: modal dialogs built from the program's dialog
// templates, message boxes, and the system metrics of a desktop.
#pragma once

#include <string>

#include "platform/Backend.h"

class QtBackend : public Backend {
  public:
    // What the program tells of itself: its name, which titles message boxes, and the text
    // of the system menu's Close item in its language.
    QtBackend(std::string title, std::string closeItemText);

    INT_PTR RunModalDialog(CDialog& dialog, UINT templateId, CWnd* parent) override;
    // A modal box with the text and one OK button, titled with the program's name.
    int MessageBox(const std::string& utf8Text, UINT type) override;
    int GetSystemMetrics(int index) override;
    // Ctrl, Shift and Alt as the key event being handled carries them.
    SHORT GetKeyState(int virtualKey) override;
    // Qt presents surfaces as Format_RGB32, 0xFFRRGGBB.
    bool OpaqueSurfaces() const override { return true; }
    // Queued to the application object, which lives on the window's thread.
    void PostToWindowThread(std::function<void()> work) override;

  private:
    std::string m_title;
    std::string m_closeItemText;
};
