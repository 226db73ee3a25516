#include "platform/qt/QtDialogPeer.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

#include "platform/Icon.h"
#include "platform/qt/FontMatch.h"
#include "platform/qt/QtButtonPeer.h"
#include "platform/qt/QtCheckBoxPeer.h"
#include "platform/qt/QtComboBoxPeer.h"
#include "platform/qt/QtDialogKeys.h"
#include "platform/qt/QtFramePeer.h"
#include "platform/qt/QtLabelPeer.h"

namespace {
constexpr std::uint16_t kButtonAtom = 0x80;
constexpr std::uint16_t kStaticAtom = 0x82;
constexpr std::uint16_t kComboBoxAtom = 0x85;
constexpr DWORD kButtonTypeMask = 0x0000000F;
constexpr DWORD kStaticTextMax = 0x00000002;  // SS_LEFT, SS_CENTER, SS_RIGHT

bool IsClass(const DialogControl& control, std::uint16_t atom, const char* name) {
    return control.classAtom == atom || control.className == name;
}

}  // namespace

QtDialogPeer::QtDialogPeer(const DialogTemplate& dialogTemplate, QWidget* parent,
                           std::string closeItemText)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      QtWidgetPeer(this),
      m_closeItemText(std::move(closeItemText)) {
    if (dialogTemplate.hasFont) {
        setFont(MatchDialogFont(dialogTemplate.font));
    }
    const DialogBaseUnits units = BaseUnitsOf(font());
    const CRect client =
        units.ToPixels(dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy);
    setFixedSize(client.Width(), client.Height());
    setWindowTitle(QString::fromStdString(dialogTemplate.caption));
    for (const DialogControl& control : dialogTemplate.controls) {
        CreateControl(control, units);
    }
    ResetSystemMenu();
    // A shortcut, not a key press of the dialog's: the focused button would take the
    // space as a click first.
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this), &QShortcut::activated, this,
            [this] { ShowSystemMenu(mapToGlobal(QPoint(0, 0)), 0); });
}

void QtDialogPeer::CreateControl(const DialogControl& control, const DialogBaseUnits& units) {
    QtWidgetPeer* peer = nullptr;
    if (IsClass(control, kButtonAtom, "button") &&
        (control.style & kButtonTypeMask) == BS_AUTOCHECKBOX) {
        auto* box = new QtCheckBoxPeer(this, *this, control.id);
        box->setFocusPolicy((control.style & WS_TABSTOP) != 0 ? Qt::StrongFocus : Qt::ClickFocus);
        peer = box;
    } else if (IsClass(control, kButtonAtom, "button")) {
        const bool isDefault = (control.style & kButtonTypeMask) == BS_DEFPUSHBUTTON;
        auto* button = new QtButtonPeer(this, *this, control.id, isDefault);
        button->setFocusPolicy((control.style & WS_TABSTOP) != 0 ? Qt::StrongFocus
                                                                 : Qt::ClickFocus);
        peer = button;
    } else if (IsClass(control, kComboBoxAtom, "combobox")) {
        auto* list = new QtComboBoxPeer(this, *this, control.id);
        list->setFocusPolicy((control.style & WS_TABSTOP) != 0 ? Qt::StrongFocus : Qt::ClickFocus);
        // The label before a list names it, as the window system's accessibility does.
        if (m_lastLabel != nullptr) {
            list->setAccessibleName(m_lastLabel->text());
        }
        peer = list;
    } else if (IsClass(control, kStaticAtom, "static") &&
               ((control.style & SS_TYPEMASK) <= kStaticTextMax ||
                (control.style & SS_TYPEMASK) == SS_ICON)) {
        auto* label = new QtLabelPeer(this);
        peer = label;
        m_lastLabel = label;
    } else {
        peer = new QtFramePeer(this, (control.style & SS_NOTIFY) != 0);
    }
    const CRect rect = units.ToPixels(control.x, control.y, control.cx, control.cy);
    // A drop-down list's height in the template includes its open list; closed it is as
    // high as its text needs.
    const int height = dynamic_cast<QtComboBoxPeer*>(peer) != nullptr
                           ? peer->Widget().sizeHint().height()
                           : rect.Height();
    peer->Widget().setGeometry(rect.left, rect.top, rect.Width(), height);
    if (control.text.isNumber) {
        if (auto* label = dynamic_cast<QtLabelPeer*>(peer)) {
            label->ShowIcon(LoadIconResource(control.text.number));
        }
    } else {
        peer->SetText(control.text.text);
    }
    peer->Widget().setVisible((control.style & WS_VISIBLE) != 0);
    peer->SetParentPeer(this, control.id);
    peer->Widget().installEventFilter(this);
    m_controls.emplace_back(control.id, peer);
}

int QtDialogPeer::RunModal() {
    if (m_ended) {
        return result();
    }
    // Qt centres a dialog; one larger than the screen's free area would then hang off its
    // edges, so it starts at the area's top left instead, its top left controls in view.
    const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    if (!available.isEmpty() && (width() > available.width() || height() > available.height())) {
        move(available.topLeft());
    }
    return exec();
}

void QtDialogPeer::ShowSystemMenu(const QPoint& globalPosition, LPARAM lParam) {
    QMenu menu(this);
    for (const CMenu::Item& item : m_systemMenu.Items()) {
        if ((item.flags & MF_SEPARATOR) != 0) {
            menu.addSeparator();
        } else {
            QAction* action = menu.addAction(QString::fromStdString(item.text));
            action->setData(QVariant::fromValue<qulonglong>(item.id));
            action->setCheckable(item.toggle || (item.flags & MF_CHECKED) != 0);
            action->setChecked((item.flags & MF_CHECKED) != 0);
        }
    }
    const QAction* chosen = menu.exec(globalPosition);
    if (chosen != nullptr) {
        Send(WM_SYSCOMMAND, static_cast<WPARAM>(chosen->data().toULongLong()), lParam);
    }
}

LRESULT QtDialogPeer::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
        return Send(WM_CLOSE, 0, 0);
    }
    if (message == WM_CLOSE) {
        EndModal(IDCANCEL);
        return 0;
    }
    return QtWidgetPeer::DefWindowProc(message, wParam, lParam);
}

void QtDialogPeer::SetText(const std::string& utf8) {
    setWindowTitle(QString::fromStdString(utf8));
}

std::string QtDialogPeer::Text() const {
    return windowTitle().toStdString();
}

void QtDialogPeer::ShiftControls(int top, int dy) {
    for (const auto& [id, peer] : m_controls) {
        const CRect place = peer->Place();
        if (place.top >= top) {
            peer->Move(place.left, place.top + dy, place.Width(), place.Height(), FALSE);
        }
    }
}

WindowPeer* QtDialogPeer::Control(int id) {
    for (const auto& [controlId, peer] : m_controls) {
        if (controlId == id) {
            return peer;
        }
    }
    return nullptr;
}

CMenu* QtDialogPeer::SystemMenu(BOOL revert) {
    if (revert) {
        ResetSystemMenu();
        return nullptr;
    }
    return &m_systemMenu;
}

void QtDialogPeer::EndModal(int result) {
    m_ended = true;
    done(result);
}

void QtDialogPeer::paintEvent(QPaintEvent* event) {
    if (PaintThroughOwner(event->rect())) {
        QPainter painter(this);
        PresentSurface(painter, event->rect());
    }
}

// Alt+Space that reaches the dialog itself: while its window is not the active one the
// shortcut does not fire. A letter or digit that no control took presses the button whose
// access key it is, as the window system's dialogs do without Alt.
void QtDialogPeer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::AltModifier) {
        ShowSystemMenu(mapToGlobal(QPoint(0, 0)), 0);
        return;
    }
    if (focusWidget() == nullptr && OfferCharacter(GetOwner(), nullptr, *event)) {
        return;
    }
    if ((event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0 &&
        ((event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z) ||
         (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9))) {
        if (QPushButton* button = ButtonWithAccessKey(*this, event->key())) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void QtDialogPeer::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint at = event->globalPos();
    ShowSystemMenu(at,
                   event->reason() == QContextMenuEvent::Mouse ? MAKELPARAM(at.x(), at.y()) : 0);
}

// The close box: the window manager asks, the dialog's owner decides.
void QtDialogPeer::closeEvent(QCloseEvent* event) {
    event->ignore();
    Send(WM_SYSCOMMAND, SC_CLOSE, 0);
}

// Esc.
void QtDialogPeer::reject() {
    Send(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

bool QtDialogPeer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    if (!m_focusCuesShown) {
        m_focusCuesShown = true;
        for (const auto& [id, peer] : m_controls) {
            peer->Send(WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        }
    }
    for (const auto& [id, peer] : m_controls) {
        if (&peer->Widget() == watched) {
            return OfferCharacter(GetOwner(), peer, *static_cast<QKeyEvent*>(event)) ||
                   QDialog::eventFilter(watched, event);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void QtDialogPeer::ResetSystemMenu() {
    m_systemMenu = CMenu();
    m_systemMenu.AppendMenu(MF_STRING, SC_CLOSE, m_closeItemText.c_str());
}
