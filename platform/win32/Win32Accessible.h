// What assistive technologies read of a window, through MSAA: its own name and description,
// or a list with one simple child per item. The window answers WM_GETOBJECT for its client
// area with an IAccessible over this; what it does not say itself, the system's standard
// object for the window says.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>

#include "platform/AccessibleList.h"

class Win32Accessible {
  public:
    explicit Win32Accessible(HWND hwnd);

    // The window's name (empty: the system's) and description; the change is told.
    void SetText(const std::string& name, const std::string& description);
    // The window becomes a list; told as WindowPeer::SetAccessibleList says, once.
    void SetList(const AccessibleList& list, int told);
    // The answer to WM_GETOBJECT, or nothing when the window says nothing of its own.
    bool Answer(WPARAM wParam, LPARAM lParam, LRESULT& result) const;

    struct Content {
        std::string name;
        std::string description;
        bool isList = false;
        AccessibleList list;
    };

  private:
    HWND m_hwnd;
    // Shared with the objects handed out, which read it as it is now and may outlive the
    // window.
    std::shared_ptr<Content> m_content;
    // Whether the window says anything of its own yet.
    bool m_said = false;
};
