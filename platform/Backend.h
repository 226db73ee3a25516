// The application-wide side of a windowing backend: modal dialogs, message boxes and
// system metrics. Exactly one backend is current while the program runs.
#pragma once

#include <functional>
#include <string>

#include "platform/WinTypes.h"

class CDialog;
class CWnd;

class Backend {
  public:
    virtual ~Backend() = default;

    // Creates the dialog's window from its template, gives its peer to `dialog`, sends
    // WM_INITDIALOG, runs the modal loop and returns the code given to EndModal.
    virtual INT_PTR RunModalDialog(CDialog& dialog, UINT templateId, CWnd* parent) = 0;
    virtual int MessageBox(const std::string& utf8Text, UINT type) = 0;
    virtual int GetSystemMetrics(int index) = 0;
    // The state of a virtual key as the last key message left it: negative while held.
    virtual SHORT GetKeyState(int) { return 0; }
    // Whether the toolkit reads the byte above each colour as alpha, so that windows'
    // surfaces and the bitmaps drawn on them are made opaque (Surface::MakeOpaque), and
    // a bitmap's copy onto a window stays a plain copy.
    virtual bool OpaqueSurfaces() const { return false; }
    // Runs `work` on the window's thread soon, after the work posted before it; callable
    // from any thread, and never waits for the window's thread. Work still waiting when
    // the backend goes is dropped.
    virtual void PostToWindowThread(std::function<void()> work) = 0;
};

// The current backend; nullptr until one is set.
Backend* CurrentBackend();
void SetCurrentBackend(Backend* backend);

#ifndef _WIN32
// The current backend's metric; 0 when there is no backend. Windows has its own.
int GetSystemMetrics(int index);
// The current backend's key state; 0 (not held) when there is no backend.
SHORT GetKeyState(int virtualKey);
#endif
