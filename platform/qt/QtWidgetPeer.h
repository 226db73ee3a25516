// The part of a window peer that every Qt widget shares: geometry, texts, icons, repaint
// requests, and the client surface that the owner paints in WM_PAINT and that is then
// presented on the widget.
//
// Control pixels are Qt's logical pixels. At a device pixel ratio of 1.5 or more the
// surface holds two pixels to the control pixel; Qt scales it smoothly to the screen's own
// ratio where the two differ, and shows it pixel for pixel where they agree.
#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

#include "platform/Surface.h"
#include "platform/WindowPeer.h"

class QPainter;

class QtWidgetPeer : public WindowPeer {
  public:
    explicit QtWidgetPeer(QWidget* widget) : m_widget(*widget) { m_surface.MakeOpaque(); }
    QtWidgetPeer(const QtWidgetPeer&) = delete;
    QtWidgetPeer& operator=(const QtWidgetPeer&) = delete;

    QWidget& Widget() const { return m_widget; }

    // Sends a message to the owner's window procedure, or to the default processing
    // when no object owns this window.
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Invalidate(const RECT* rect, BOOL erase) override;
    Surface& ClientSurface() override;
    CRect BeginPaint() override;
    void EndPaint() override;
    CRect ClientRect() const override;
    int PaintScale() const override;
    void Move(int x, int y, int width, int height, BOOL repaint) override;
    CRect Place() const override;
    void SetClientSize(int width, int height) override;
    // A plain widget has no controls of its own.
    void ShiftControls(int, int) override {}
    BOOL IsIconic() const override;
    HICON SetIcon(HICON icon, BOOL big) override;
    WindowPeer* Control(int id) override;
    CMenu* SystemMenu(BOOL revert) override;
    void EndModal(int result) override;
    // As the dialog that made this control says.
    bool FocusCuesHidden() const override {
        return m_parent != nullptr && m_parent->FocusCuesHidden();
    }
    // WM_COMMAND to the dialog that made this control, if any.
    void NotifyParent(UINT code) override;
    void SetParentPeer(QtWidgetPeer* parent, int id) {
        m_parent = parent;
        m_id = id;
    }
    // WS_TABSTOP: Tab, Shift+Tab and a click give the widget the focus.
    void ModifyStyle(DWORD remove, DWORD add) override;
    // The widget's accessible name and description.
    void SetAccessibleText(const std::string& name, const std::string& description) override;
    void Enable(BOOL enable) override;
    void SetFocus() override;
    void ScaleFont(int percent) override;
    void Post(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Qt's pointer position, in logical pixels, as the control pixel it falls in.
    static QPoint ControlPoint(const QPointF& position);

  protected:
    // Lets the owner paint `rect` through WM_PAINT. True when it painted into the client
    // surface, which then has to be presented.
    bool PaintThroughOwner(const QRect& rect);
    // Draws the client surface's part `rect` onto the widget, without converting pixels:
    // the surface is opaque, as Format_RGB32 has it.
    void PresentSurface(QPainter& painter, const QRect& rect) const;

  private:
    QWidget& m_widget;
    Surface m_surface;
    CRect m_paintRect;
    bool m_inPaintEvent = false;
    bool m_painted = false;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    QtWidgetPeer* m_parent = nullptr;
    int m_id = 0;
};
