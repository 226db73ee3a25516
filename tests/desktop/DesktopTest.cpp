// The real main dialog on Qt's offscreen platform: layout, mouse editing with sound, the
// painted frames, the position readout, the system menu and About box, MIDI failures and
// the ways out.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QtTest/QTest>

#include "platform/CBitmap.h"
#include "platform/qt/FontMatch.h"
#include "res/resource.h"
#include "tests/desktop/DesktopHarness.h"

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kWhite = 0xFFFFFFFF;

// The colour at a staff pixel of a grabbed frame, whatever the device pixel ratio.
QRgb StaffPixel(const QImage& frame, int x, int y) {
    const int scale = static_cast<int>(frame.devicePixelRatio());
    return frame.pixel(x * scale, y * scale) | 0xFF000000;
}

// A pixel of the thick left side of the whole note's ring centred at (x, y).
QRgb RingPixel(const QImage& frame, int x, int y) {
    return StaffPixel(frame, x - 8, y);
}

QRect PixelsOf(const QtDialogPeer& dialog, int x, int y, int cx, int cy) {
    const CRect rect = BaseUnitsOf(dialog.font()).ToPixels(x, y, cx, cy);
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

TEST(DesktopLayout, ControlsStandWhereTheTemplatePutsThem) {
    DesktopHarness program;
    program.Run([](MainWindowUser& user) {
        QtDialogPeer& dialog = user.Dialog();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("五线谱Demo"));
        EXPECT_EQ(user.Staff().geometry(), QRect(10, 40, 600, 160));
        EXPECT_EQ(user.Button(IDOK).geometry(), PixelsOf(dialog, 443, 15, 50, 14));
        EXPECT_EQ(user.Button(IDC_POSITION).geometry(), PixelsOf(dialog, 231, 148, 36, 26));
        EXPECT_EQ(dialog.size(), PixelsOf(dialog, 0, 0, 513, 200).size());
        EXPECT_EQ(user.Button(IDOK).text(), QStringLiteral("退出"));
        EXPECT_TRUE(user.Button(IDOK).isDefault());
        EXPECT_FALSE(user.Button(IDC_POSITION).isDefault());
        EXPECT_EQ(user.Button(IDC_POSITION).text(), QStringLiteral("位置"));
        EXPECT_FALSE(dialog.windowIcon().isNull());

        // With the Song face the setup installs, the units are those of a 12-pixel font
        // six pixels wide on average.
        if (QFontInfo(dialog.font()).family() == QStringLiteral("AR PL UMing CN")) {
            EXPECT_EQ(dialog.size(), QSize(770, 300));
            EXPECT_EQ(user.Button(IDOK).geometry(), QRect(665, 23, 75, 21));
            EXPECT_EQ(user.Button(IDC_POSITION).geometry(), QRect(347, 222, 54, 39));
        }
    });
}

TEST(DesktopStaff, ShowsTheStaffPictureUnconverted) {
    CBitmap picture;
    ASSERT_TRUE(picture.LoadBitmap(IDB_STAFF_TREBLE));
    ASSERT_TRUE(picture.LoadDoubleBitmap(IDB_STAFF_TREBLE_2X));
    DesktopHarness program;
    program.Run([&](MainWindowUser& user) {
        const QImage frame = user.GrabStaff();
        const int scale = static_cast<int>(frame.devicePixelRatio());
        ASSERT_EQ(frame.devicePixelRatio(), scale) << "a whole number of screen pixels a pixel";
        ASSERT_EQ(frame.size(), QSize(600 * scale, 160 * scale));
        int differing = 0;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb expected = 0xFF000000 | picture.PixelsAt(scale).Pixel(x, y);
                differing += (frame.pixel(x, y) | 0xFF000000) != expected ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0) << "every screen pixel shows its picture pixel";
    });
}

// Drawn into a buffer that keeps alpha, as a Wayland compositor's is, with a held note
// (the mask blits) and a ledger line, every pixel is opaque and shows its colour.
TEST(DesktopStaff, PresentsOpaquePixels) {
    DesktopHarness program;
    program.Run([](MainWindowUser& user) {
        user.Press(300, 81);
        user.Drag(300, 39);
        const QImage shown = user.GrabStaff();
        QImage buffer(shown.size(), QImage::Format_ARGB32_Premultiplied);
        buffer.setDevicePixelRatio(shown.devicePixelRatio());
        buffer.fill(Qt::transparent);
        user.Staff().render(&buffer, QPoint(), QRegion(), QWidget::RenderFlags());
        user.Release(300, 39);
        int differing = 0;
        for (int y = 0; y < buffer.height(); ++y) {
            for (int x = 0; x < buffer.width(); ++x) {
                differing += buffer.pixel(x, y) != (shown.pixel(x, y) | 0xFF000000) ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0);
        EXPECT_EQ(StaffPixel(buffer, 292, 39), kRed);
    });
}

TEST(DesktopStaff, DragSoundsEachNewStepAndReleaseSnaps) {
    DesktopHarness program;
    QRgb whileHeld = 0;
    QRgb afterRelease = 0;
    QRgb leftBehind = 0;
    std::vector<DWORD> notes;
    std::string caption;
    program.Run([&](MainWindowUser& user) {
        program.midi.ClearRecord();
        user.Press(300, 81);
        user.Drag(300, 88);
        user.Drag(300, 95);
        user.Drag(300, 102);
        user.Drag(300, 94);
        whileHeld = RingPixel(user.GrabStaff(), 300, 94);
        user.Release(300, 94);
        notes = program.midi.Messages();
        const QImage frame = user.GrabStaff();
        afterRelease = RingPixel(frame, 300, 88);
        leftBehind = RingPixel(frame, 300, 102);
        user.Button(IDC_POSITION).click();
        caption = user.Button(IDC_POSITION).text().toStdString();
    });
    // A4, G4, F4, then A4 again: one note-on per new line or space, velocity 80.
    EXPECT_EQ(notes, (std::vector<DWORD>{0x504590, 0x504390, 0x504190, 0x504590}));
    EXPECT_EQ(whileHeld, kRed);
    EXPECT_EQ(afterRelease, kBlack) << "y 94 snaps toward the middle line, to 88";
    EXPECT_EQ(leftBehind, kWhite);
    EXPECT_EQ(caption, "6");
}

TEST(DesktopStaff, PositionButtonShowsTheStepOfAPlacedNote) {
    DesktopHarness program;
    std::string before;
    std::string after;
    program.Run([&](MainWindowUser& user) {
        user.Button(IDC_POSITION).click();
        before = user.Button(IDC_POSITION).text().toStdString();
        user.Press(300, 90);
        user.Release(300, 90);
        user.Button(IDC_POSITION).click();
        after = user.Button(IDC_POSITION).text().toStdString();
    });
    EXPECT_EQ(before, "位置") << "with no note the caption stays";
    EXPECT_EQ(after, "6");
}

// While the button is held the staff keeps getting the pointer outside its window, so a
// drag carried off the staff ends there (left where it was, unsnapped) and is not stuck.
TEST(DesktopStaff, DragCarriedOffTheStaffEnds) {
    DesktopHarness program;
    std::string caption;
    QRgb afterRelease = 0;
    program.Run([&](MainWindowUser& user) {
        user.Press(300, 81);
        user.Drag(300, 120);
        user.Drag(300, 250);
        user.Release(300, 250);
        afterRelease = RingPixel(user.GrabStaff(), 300, 120);
        user.Button(IDC_POSITION).click();
        caption = user.Button(IDC_POSITION).text().toStdString();
    });
    EXPECT_EQ(afterRelease, kBlack) << "no longer dragged, so no longer red";
    EXPECT_EQ(caption, "2");
}

// Qt merges the repaint requests of a burst of moves into one paint of the next frame.
class PaintCounter : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    int paints = 0;
};

TEST(DesktopStaff, ABurstOfMovesIsPaintedOnce) {
    DesktopHarness program;
    int paints = -1;
    std::size_t notes = 0;
    program.Run([&](MainWindowUser& user) {
        user.Press(300, 81);
        QApplication::processEvents();
        PaintCounter counter;
        user.Staff().installEventFilter(&counter);
        program.midi.ClearRecord();
        for (int y = 82; y <= 122; ++y) {
            QMouseEvent move(QEvent::MouseMove, QPointF(300, y),
                             user.Staff().mapToGlobal(QPointF(300, y)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&user.Staff(), &move);
        }
        QApplication::processEvents();
        paints = counter.paints;
        notes = program.midi.Messages().size();
        user.Staff().removeEventFilter(&counter);
        user.Release(300, 122);
    });
    EXPECT_EQ(notes, 5u) << "offsets 1 to 5 are each sounded once";
    EXPECT_EQ(paints, 1);
}

QMenu* OpenMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Picks the menu item with the given text, as a user does with the keyboard.
void Choose(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (action->text() == text) {
            menu.setActiveAction(action);
            QTest::keyClick(&menu, Qt::Key_Return);
            return;
        }
    }
    ADD_FAILURE() << "no menu item " << text.toStdString();
    menu.close();
}

void WhenMenuShown(const std::function<void(QMenu&)>& action) {
    WhenShown([](QWidget& widget) { return qobject_cast<QMenu*>(&widget) == OpenMenu(); },
              [action](QWidget& widget) { action(*qobject_cast<QMenu*>(&widget)); });
}

TEST(DesktopSystemMenu, RightClickOpensItAndAboutShowsTheAboutBox) {
    DesktopHarness program;
    QStringList items;
    QString aboutTitle;
    QStringList aboutTexts;
    bool iconShown = false;
    bool mainStillOpen = false;
    program.Run([&](MainWindowUser& user) {
        WhenMenuShown([&](QMenu& menu) {
            for (const QAction* action : menu.actions()) {
                items << (action->isSeparator() ? QStringLiteral("-") : action->text());
            }
            WhenShown([](QWidget& widget) { return widget.windowTitle() == "关于 Canzet"; },
                      [&](QWidget& about) {
                          aboutTitle = about.windowTitle();
                          for (const QLabel* label : about.findChildren<QLabel*>()) {
                              if (!label->text().isEmpty()) {
                                  aboutTexts << label->text();
                              }
                              iconShown = iconShown || !label->pixmap().isNull();
                          }
                          QTest::keyClick(&about, Qt::Key_Escape);
                      });
            Choose(menu, QStringLiteral("关于 Canzet(&A)..."));
        });
        QTest::mouseClick(user.Dialog().windowHandle(), Qt::RightButton, Qt::NoModifier,
                          QPoint(700, 150));
        mainStillOpen = user.Dialog().isVisible();
    });
    EXPECT_EQ(items, (QStringList{"关闭", "-", "关于 Canzet(&A)...", "-", "中音谱号", "次中音谱号",
                                  "低音谱号", "清除", "练习..."}));
    EXPECT_EQ(aboutTitle, QStringLiteral("关于 Canzet"));
    EXPECT_TRUE(aboutTexts.contains(QStringLiteral("Canzet 1.0 版")));
    EXPECT_TRUE(iconShown);
    EXPECT_TRUE(mainStillOpen);
}

TEST(DesktopSystemMenu, AltSpaceOpensItAndCloseEndsTheProgram) {
    DesktopHarness program;
    bool closed = false;
    int result = 0;
    program.Run([&](MainWindowUser& user) {
        WhenMenuShown([](QMenu& menu) { Choose(menu, QStringLiteral("关闭")); });
        // Keys go where a user's go: to the focused control of the active window.
        user.Dialog().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&user.Dialog()));
        QTest::keyClick(user.Dialog().focusWidget(), Qt::Key_Space, Qt::AltModifier);
        closed = !user.Dialog().isVisible();
        result = user.Dialog().result();
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(result, IDCANCEL);
}

struct EndingCase {
    const char* name;
    std::function<void(MainWindowUser&)> act;
    int result;
};

class DesktopEnding : public ::testing::TestWithParam<EndingCase> {};

TEST_P(DesktopEnding, EndsTheDialogAndClosesTheMidiDevice) {
    DesktopHarness program;
    bool closed = false;
    int result = 0;
    program.Run([&](MainWindowUser& user) {
        GetParam().act(user);
        closed = !user.Dialog().isVisible();
        result = user.Dialog().result();
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(result, GetParam().result);
    EXPECT_FALSE(program.midi.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, DesktopEnding,
    ::testing::Values(
        EndingCase{"ExitButton", [](MainWindowUser& user) { user.Button(IDOK).click(); }, IDOK},
        EndingCase{"Enter",
                   [](MainWindowUser& user) { QTest::keyClick(&user.Dialog(), Qt::Key_Return); },
                   IDOK},
        EndingCase{"Escape",
                   [](MainWindowUser& user) { QTest::keyClick(&user.Dialog(), Qt::Key_Escape); },
                   IDCANCEL},
        EndingCase{"CloseBox", [](MainWindowUser& user) { user.Dialog().close(); }, IDCANCEL}),
    [](const auto& info) { return std::string(info.param.name); });

// The start-up failure shows in a real message box, and the dialog still comes up.
TEST(DesktopMidiFailure, MissingDeviceIsReportedOnce) {
    DesktopHarness program;
    program.midi.SetCapsResult(MMSYSERR_NODRIVER);
    bool shown = false;
    program.Run([&](MainWindowUser& user) { shown = user.Dialog().isVisible(); });
    EXPECT_EQ(program.messageBoxes, std::vector<std::string>{"初始化Midi设备失败!"});
    EXPECT_TRUE(shown) << "the dialog runs on without sound";
}

}  // namespace
