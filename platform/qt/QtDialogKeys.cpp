#include "platform/qt/QtDialogKeys.h"

#include "platform/CWnd.h"
#include "platform/qt/QtWidgetPeer.h"

// One printable character without Ctrl, Alt or Meta, as the window system sends WM_CHAR
// (Alt makes a key an access key of its own).
bool OfferCharacter(CWnd* dialog, QtWidgetPeer* focused, const QKeyEvent& event) {
    const QString text = event.text();
    if (dialog == nullptr || text.size() != 1 || !text[0].isPrint() ||
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return false;
    }
    const auto character = static_cast<WPARAM>(text[0].unicode());
    if (focused != nullptr && (focused->Send(WM_GETDLGCODE, character, 0) & DLGC_WANTCHARS) != 0) {
        return false;
    }
    MSG message{nullptr, WM_CHAR, character, 1, 0, {0, 0}};
    return dialog->PreTranslateMessage(&message) != FALSE;
}

QPushButton* ButtonWithAccessKey(const QWidget& dialog, int key) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        const QString text = button->text();
        const qsizetype amp = text.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < text.size() && text[amp + 1].toUpper().unicode() == key &&
            button->isVisible() && button->isEnabled()) {
            return button;
        }
    }
    return nullptr;
}
