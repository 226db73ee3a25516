// A dialog built from a dialog template: a fixed-size QDialog with the template's caption,
// font and controls, placed in pixels by the font's dialog base units.
//
// Its messages reach the owning CDialog: WM_COMMAND from the buttons, Esc as IDCANCEL,
// the close box as SC_CLOSE (whose default processing sends WM_CLOSE), WM_SYSCOMMAND from
// the system menu. The window manager owns the title bar, so the system menu is the
// dialog's own: it opens on a right click and with Alt+Space.
#pragma once

#include <QDialog>
#include <QLabel>
#include <string>
#include <utility>
#include <vector>

#include "platform/CMenu.h"
#include "platform/DialogUnits.h"
#include "platform/qt/QtWidgetPeer.h"
#include "platform/res/DialogTemplate.h"

class QtDialogPeer : public QDialog, public QtWidgetPeer {
  public:
    // `closeItemText` is the system menu's own Close item, in the program's language.
    QtDialogPeer(const DialogTemplate& dialogTemplate, QWidget* parent, std::string closeItemText);

    // Shows the dialog and runs its modal loop; returns the code given to EndModal. A
    // dialog that ended before it was shown returns at once.
    int RunModal();
    // Opens the system menu at a point of the screen and sends the chosen command.
    void ShowSystemMenu(const QPoint& globalPosition, LPARAM lParam);

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void SetText(const std::string& utf8) override;
    std::string Text() const override;
    WindowPeer* Control(int id) override;
    void ShiftControls(int top, int dy) override;
    CMenu* SystemMenu(BOOL revert) override;
    void EndModal(int result) override;
    // Until a key is pressed in the dialog, as a Windows dialog opened with the mouse.
    bool FocusCuesHidden() const override { return !m_focusCuesShown; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    // A key pressed on any control shows the focus cues (Tab, arrows, Alt); a character
    // typed on one is offered to the dialog object before the control has it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControl(const DialogControl& control, const DialogBaseUnits& units);
    void ResetSystemMenu();

    std::vector<std::pair<int, QtWidgetPeer*>> m_controls;  // children: Qt deletes them
    const QLabel* m_lastLabel = nullptr;
    std::string m_closeItemText;
    CMenu m_systemMenu;
    bool m_ended = false;
    bool m_focusCuesShown = false;
};
