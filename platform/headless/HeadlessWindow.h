// A window without a screen: a client-area surface of a given size, an invalid rectangle
// that collects redraw requests until a paint renews it, and a log entry for every call.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/CMenu.h"
#include "platform/CPoint.h"
#include "platform/Surface.h"
#include "platform/WindowPeer.h"
#include "platform/headless/CallLog.h"

class HeadlessWindow : public WindowPeer {
  public:
    HeadlessWindow(CallLog& log, int width, int height);
    ~HeadlessWindow() override;

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Invalidate(const RECT* rect, BOOL erase) override;
    Surface& ClientSurface() override { return m_surface; }
    CRect BeginPaint() override;
    void EndPaint() override;
    CRect ClientRect() const override;
    int PaintScale() const override { return m_scale; }
    void Move(int x, int y, int width, int height, BOOL repaint) override;
    CRect Place() const override;
    void SetClientSize(int width, int height) override;
    void ShiftControls(int top, int dy) override;
    void SetText(const std::string& utf8) override;
    std::string Text() const override { return m_text; }
    BOOL IsIconic() const override { return m_iconic ? TRUE : FALSE; }
    HICON SetIcon(HICON icon, BOOL big) override;
    WindowPeer* Control(int id) override;
    CMenu* SystemMenu(BOOL revert) override;
    void EndModal(int result) override;
    // Styles and what a screen reader would be told are kept, not logged: a transcript shows
    // what the window system is asked to draw and do.
    void ModifyStyle(DWORD remove, DWORD add) override { m_style = (m_style & ~remove) | add; }
    void SetAccessibleText(const std::string& name, const std::string& description) override;
    void Enable(BOOL enable) override { m_enabled = enable != FALSE; }
    void SetFocus() override;
    void ScaleFont(int percent) override { m_fontPercent = percent; }
    // Posted messages wait until RunPostedMessages.
    void Post(UINT message, WPARAM wParam, LPARAM lParam) override;
    int AddListItem(const std::string& utf8) override;
    void ClearList() override;
    void SelectListItem(int index) override;
    int SelectedListItem() const override { return m_selectedItem; }
    void SetCheck(bool checked) override { m_checked = checked; }
    bool IsChecked() const override { return m_checked; }
    void SetAccessibleList(const AccessibleList& list, int told) override;
    // Logged, then delivered to the dialog that holds this control, if any.
    void NotifyParent(UINT code) override;

    // What the window system does when it delivers a message: the owner's window
    // procedure, or the window's own processing when nothing owns it.
    LRESULT Deliver(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // A character typed while this window has the focus, as the window system takes it: its
    // dialog is offered it first (CWnd::PreTranslateMessage) unless this window keeps its
    // characters, then it reaches this window as WM_CHAR.
    void Type(WPARAM character);
    // A drop-down list keeps the characters typed in it (DLGC_WANTCHARS).
    void SetKeepsCharacters(bool keeps) { m_keepsCharacters = keeps; }
    // Delivers the posted messages, in order, those posted meanwhile too.
    void RunPostedMessages();
    // Delivers WM_PAINT when part of the client area is invalid; false when nothing was.
    bool RunPendingPaint();
    CRect InvalidRect() const { return m_invalid; }
    bool IsPaintPending() const { return !m_invalid.IsRectEmpty(); }

    // Dialog windows: the controls that Control(id) finds.
    void AddControl(int id, HeadlessWindow& control);
    // Every control of a dialog, labels too, at its place in the template.
    void AddChild(HeadlessWindow& control, CPoint place);
    void SetIconic(bool iconic) { m_iconic = iconic; }
    // Paints at `scale` surface pixels to the client pixel from now on (1 or 2), as on a
    // screen of that many device pixels to the pixel.
    void SetPaintScale(int scale);
    void SetHasSystemMenu(bool has) { m_hasSystemMenu = has; }
    CPoint Position() const { return m_position; }
    HICON Icon(bool big) const { return big ? m_bigIcon : m_smallIcon; }
    std::optional<int> ModalResult() const { return m_modalResult; }
    DWORD Style() const { return m_style; }
    const std::string& AccessibleName() const { return m_accessibleName; }
    const std::string& AccessibleDescription() const { return m_accessibleDescription; }
    // How many times assistive technologies were told of a change.
    int AccessibleChanges() const { return m_accessibleChanges; }
    bool IsEnabled() const { return m_enabled; }
    // The size of the window's font, in percent of the dialog's.
    int FontPercent() const { return m_fontPercent; }
    // The window that has the keyboard focus, of all headless windows; nullptr: none.
    static HeadlessWindow* Focus() { return s_focus; }
    const std::vector<std::string>& ListItems() const { return m_listItems; }
    const AccessibleList& Accessible() const { return m_accessibleList; }
    // What each change told: the told item's description, or the whole text.
    const std::vector<std::string>& AccessibleTold() const { return m_accessibleTold; }

  private:
    void Log(LoggedCall call);

    CallLog& m_log;
    Surface m_surface;
    int m_scale = 1;
    CRect m_invalid;
    CPoint m_position;
    std::string m_text;
    bool m_iconic = false;
    bool m_hasSystemMenu = true;
    CMenu m_systemMenu;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    std::map<int, HeadlessWindow*> m_controls;
    std::vector<HeadlessWindow*> m_children;
    HeadlessWindow* m_parent = nullptr;
    int m_id = 0;
    std::optional<int> m_modalResult;
    DWORD m_style = 0;
    std::string m_accessibleName;
    std::string m_accessibleDescription;
    int m_accessibleChanges = 0;
    bool m_enabled = true;
    int m_fontPercent = 100;
    struct PostedMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::deque<PostedMessage> m_posted;
    std::vector<std::string> m_listItems;
    int m_selectedItem = -1;
    bool m_checked = false;
    bool m_keepsCharacters = false;

    static HeadlessWindow* s_focus;
    AccessibleList m_accessibleList;
    std::vector<std::string> m_accessibleTold;
};
