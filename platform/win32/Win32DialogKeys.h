// While a modal dialog runs, the characters typed in it are offered to its dialog object
// (CWnd::PreTranslateMessage) before the dialog manager takes them as access keys: the
// message-filter hook that the dialog manager calls with each message it is about to
// handle. A control that keeps its characters (DLGC_WANTCHARS: a drop-down list) has them.
#pragma once

#include <windows.h>

class CWnd;

class Win32DialogKeys {
  public:
    // For as long as this lives, `dialog` is the innermost modal dialog of this thread.
    explicit Win32DialogKeys(CWnd& dialog);
    ~Win32DialogKeys();
    Win32DialogKeys(const Win32DialogKeys&) = delete;
    Win32DialogKeys& operator=(const Win32DialogKeys&) = delete;

  private:
    static LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam);

    CWnd& m_dialog;
    Win32DialogKeys* m_outer;
};
