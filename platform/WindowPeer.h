// What a windowing backend provides for one window: the native side of a CWnd.
//
// The core reaches the window system only through this interface. The headless
// backend records every call; the Qt backend drives real widgets. A peer delivers
// the window's messages to its owner with CWnd::WindowProc and answers the owner's
// default processing with DefWindowProc.
#pragma once

#include <string>

#include "platform/AccessibleList.h"
#include "platform/CRect.h"
#include "platform/WinTypes.h"

class CMenu;
class CWnd;
class Surface;

class WindowPeer {
  public:
    // A window that goes away first detaches the object that received its messages.
    virtual ~WindowPeer();

    // The object whose message map receives this window's messages (nullptr: none).
    void SetOwner(CWnd* owner) { m_owner = owner; }
    CWnd* GetOwner() const { return m_owner; }

    // The window's own processing of a message that its owner passes on or leaves alone.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // Marks a part of the client area (nullptr: all of it) for a later WM_PAINT.
    virtual void Invalidate(const RECT* rect, BOOL erase) = 0;

    // The client-area surface, and the part of it that a WM_PAINT must renew.
    // BeginPaint returns the invalid rectangle and validates it; EndPaint presents.
    virtual Surface& ClientSurface() = 0;
    virtual CRect BeginPaint() = 0;
    virtual void EndPaint() = 0;

    virtual CRect ClientRect() const = 0;
    // Surface pixels to a client pixel along each axis: 2 on screens of 1.5 or more device
    // pixels to the pixel, else 1. The client surface is that many times the client area;
    // everything else, positions and input alike, stays in client pixels.
    virtual int PaintScale() const { return 1; }
    virtual void Move(int x, int y, int width, int height, BOOL repaint) = 0;
    // Where a control lies in its dialog's client area, in client pixels.
    virtual CRect Place() const = 0;
    // Gives a dialog's client area a new size; its top left corner stays where it is.
    virtual void SetClientSize(int width, int height) = 0;
    // Moves each of a dialog's controls whose top edge lies at or below `top` down by dy
    // pixels (up for a negative dy), labels included.
    virtual void ShiftControls(int top, int dy) = 0;
    virtual void SetText(const std::string& utf8) = 0;
    virtual std::string Text() const = 0;
    virtual BOOL IsIconic() const = 0;
    virtual HICON SetIcon(HICON icon, BOOL big) = 0;

    // Adds and removes window styles; of them a backend heeds WS_TABSTOP: a control in the
    // tab order takes the focus from Tab and Shift+Tab and from a click.
    virtual void ModifyStyle(DWORD, DWORD) {}
    // What a screen reader says of the window: its name (empty: the window's own) and a
    // description of its content. Assistive technologies are told of each change.
    virtual void SetAccessibleText(const std::string&, const std::string&) {}
    // Whether the window takes mouse and keyboard input.
    virtual void Enable(BOOL) {}
    // Gives this window the keyboard focus.
    virtual void SetFocus() {}
    // Sets the window's text in its dialog's font at `percent` of that font's size.
    virtual void ScaleFont(int) {}
    // Hands a message to the owner later, after the input already waiting.
    virtual void Post(UINT, WPARAM, LPARAM) {}

    // Drop-down lists (COMBOBOX, CBS_DROPDOWNLIST): their items and the chosen one (-1:
    // none). A choice the user makes reaches the dialog as WM_COMMAND with CBN_SELCHANGE;
    // a choice the program makes does not.
    virtual int AddListItem(const std::string&) { return -1; }
    virtual void ClearList() {}
    virtual void SelectListItem(int) {}
    virtual int SelectedListItem() const { return -1; }
    // Check boxes (BS_AUTOCHECKBOX): whether checked. A click reaches the dialog as
    // WM_COMMAND with BN_CLICKED once the box has changed; a change the program makes does
    // not.
    virtual void SetCheck(bool) {}
    virtual bool IsChecked() const { return false; }
    // Makes the window a list of items to assistive technologies. `told` is the item they
    // are told of: focus moving to it when it became current, else its new name; -1 tells
    // them that the list's text changed as a whole.
    virtual void SetAccessibleList(const AccessibleList&, int) {}

    // Whether focus rectangles stay hidden because the keyboard has not been used in the
    // window yet (UISF_HIDEFOCUS); the window is sent WM_UPDATEUISTATE when that changes.
    virtual bool FocusCuesHidden() const { return false; }
    // Sends the parent window WM_COMMAND with this control's id in the low word of wParam,
    // `code` in the high word and this window in lParam. A window without a parent drops it.
    virtual void NotifyParent(UINT code) = 0;

    // Dialog windows: their controls by id, their system menu, the end of their modal loop.
    virtual WindowPeer* Control(int id) = 0;
    virtual CMenu* SystemMenu(BOOL revert) = 0;
    virtual void EndModal(int result) = 0;

  private:
    CWnd* m_owner = nullptr;
};
