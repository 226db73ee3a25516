// The real main dialog from the keyboard: Qt's tooltip over a note, Enter and Escape on the
// staff, Alt+Space whatever has the focus. Keys go to the focused widget. (What a screen
// reader is given, and the events of each key, need the desktop's accessibility bus:
// atspi_test.py checks them.)
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>
#include <QtTest/QTest>

#include "res/resource.h"
#include "tests/desktop/DesktopHarness.h"

namespace {

void Press(QtDialogPeer& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focused = dialog.focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, key, modifiers);
}

// Keys reach the focused widget of the active window, as they do on a desktop.
void Activate(QtDialogPeer& dialog) {
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

// Qt's own way to a tooltip: the note under the pointer, placed here from the keyboard.
TEST(DesktopKeyboard, TheToolTipNamesTheNoteUnderThePointer) {
    DesktopHarness program;
    QString tip;
    program.Run([&](MainWindowUser& user) {
        Activate(user.Dialog());
        QWidget& staff = user.Staff();
        staff.setFocus();
        Press(user.Dialog(), Qt::Key_Up);
        QHelpEvent hover(QEvent::ToolTip, QPoint(324, 81), staff.mapToGlobal(QPoint(324, 81)));
        QApplication::sendEvent(&staff, &hover);
        tip = QToolTip::text();
        QToolTip::hideText();
    });
    EXPECT_EQ(tip, QStringLiteral("B4，第7位"));
}

// A click gives the staff the focus but no dotted rectangle, as in a Windows dialog opened
// with the mouse; the first key pressed in the dialog shows it.
TEST(DesktopKeyboard, TheFocusRectangleWaitsForTheKeyboard) {
    DesktopHarness program;
    std::vector<QRgb> corners;
    program.Run([&](MainWindowUser& user) {
        Activate(user.Dialog());
        user.Press(300, 81);
        user.Release(300, 81);
        corners.push_back(user.GrabStaff().pixel(0, 0) | 0xFF000000);
        Press(user.Dialog(), Qt::Key_Up);
        corners.push_back(user.GrabStaff().pixel(0, 0) | 0xFF000000);
    });
    EXPECT_EQ(corners, (std::vector<QRgb>{0xFFFFFFFF, 0xFF000000}));
}

// Enter on the staff reaches it instead of the default button "退出"; Escape stays the
// dialog's.
TEST(DesktopKeyboard, EnterOnTheStaffShowsThePositionAndEscapeCancels) {
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, 0}, {Qt::Key_Escape, IDCANCEL}}) {
        DesktopHarness program;
        int ended = 0;
        QString caption;
        program.Run([&](MainWindowUser& user) {
            Activate(user.Dialog());
            user.Staff().setFocus();
            Press(user.Dialog(), Qt::Key_Up);
            Press(user.Dialog(), key);
            ended = user.Dialog().isVisible() ? 0 : user.Dialog().result();
            caption = user.Button(IDC_POSITION).text();
        });
        EXPECT_EQ(ended, result);
        EXPECT_EQ(caption, result == 0 ? QStringLiteral("7") : QStringLiteral("位置"));
    }
}

// Alt+Space is the window's, whichever control has the focus; Space with Ctrl or Meta
// presses no button either.
TEST(DesktopKeyboard, AltSpaceOpensTheSystemMenuAndModifiedSpacePressesNoButton) {
    for (const int id : {IDOK, IDC_STAFF, IDC_POSITION}) {
        DesktopHarness program;
        bool menuOpened = false;
        bool stillRunning = false;
        program.Run([&](MainWindowUser& user) {
            Activate(user.Dialog());
            if (id == IDC_STAFF) {
                user.Staff().setFocus();
            } else {
                user.Button(id).setFocus();
            }
            Press(user.Dialog(), Qt::Key_Space, Qt::ControlModifier);
            Press(user.Dialog(), Qt::Key_Space, Qt::MetaModifier);
            WhenShown([](QWidget& widget) { return qobject_cast<QMenu*>(&widget) != nullptr; },
                      [&](QWidget& menu) {
                          menuOpened = true;
                          menu.close();
                      });
            Press(user.Dialog(), Qt::Key_Space, Qt::AltModifier);
            stillRunning = user.Dialog().isVisible();
            EXPECT_EQ(user.Button(IDC_POSITION).text(), QStringLiteral("位置"));
        });
        EXPECT_TRUE(menuOpened) << id;
        EXPECT_TRUE(stillRunning) << id;
    }
}

}  // namespace
