// The real main dialog from the keyboard and as a screen reader sees it: Tab reaches the
// staff, keys edit it, its accessible interface names the notes;
// Alt+Space opens the system menu whatever has the focus. Keys go to the focused widget.
// (The events that tell a screen reader of each change need the desktop's accessibility
// bus: atspi_test.py checks them.)
#include <gtest/gtest.h>

#include <QAccessible>
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

QString Text(QWidget& widget, QAccessible::Text kind) {
    return QAccessible::queryAccessibleInterface(&widget)->text(kind);
}

TEST(DesktopKeyboard, TabUpThreeTimesAndThePositionButtonAsAScreenReaderHearsIt) {
    DesktopHarness program;
    QString nameBefore;
    QString before;
    QString after;
    bool focusable = false;
    bool focused = false;
    QRgb corner = 0;
    QRgb cornerAfterLeaving = 0;
    std::vector<DWORD> notes;
    QString tip;
    program.Run([&](MainWindowUser& user) {
        Activate(user.Dialog());
        QWidget& staff = user.Staff();
        nameBefore = Text(staff, QAccessible::Name);
        before = Text(staff, QAccessible::Description);
        EXPECT_EQ(user.Dialog().focusWidget(), &user.Button(IDOK));
        program.midi.ClearRecord();
        Press(user.Dialog(), Qt::Key_Tab);
        const QAccessible::State state = QAccessible::queryAccessibleInterface(&staff)->state();
        focusable = state.focusable;
        focused = state.focused;
        for (int i = 0; i < 3; ++i) {
            Press(user.Dialog(), Qt::Key_Up);
        }
        notes = program.midi.Messages();
        after = Text(staff, QAccessible::Description);
        corner = user.GrabStaff().pixel(0, 0) | 0xFF000000;

        QHelpEvent hover(QEvent::ToolTip, QPoint(324, 67), staff.mapToGlobal(QPoint(324, 67)));
        QApplication::sendEvent(&staff, &hover);
        tip = QToolTip::text();
        QToolTip::hideText();

        Press(user.Dialog(), Qt::Key_Tab);
        cornerAfterLeaving = user.GrabStaff().pixel(0, 0) | 0xFF000000;
        Press(user.Dialog(), Qt::Key_Space);
        EXPECT_EQ(user.Button(IDC_POSITION).text(), QStringLiteral("9"));
    });
    EXPECT_EQ(nameBefore, QStringLiteral("五线谱"));
    EXPECT_EQ(before, QStringLiteral("没有音符"));
    EXPECT_TRUE(focusable);
    EXPECT_TRUE(focused);
    EXPECT_EQ(notes, (std::vector<DWORD>{0x504790, 0x504890, 0x504A90}));
    EXPECT_EQ(after, QStringLiteral("D5，第9位"));
    EXPECT_EQ(corner, 0xFF000000) << "the focus rectangle's first dot";
    EXPECT_EQ(cornerAfterLeaving, 0xFFFFFFFF) << "the picture again once the focus has gone";
    EXPECT_EQ(tip, QStringLiteral("D5，第9位"));
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
