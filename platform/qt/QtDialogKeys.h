// The keys a dialog takes from its controls, as the window system's dialogs do: a typed
// character offered to the dialog object first, then the buttons' access keys.
#pragma once

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

class CWnd;
class QtWidgetPeer;

// Offers a typed character to `dialog` (CWnd::PreTranslateMessage) as WM_CHAR, unless the
// control with the focus keeps its characters (DLGC_WANTCHARS); true when the dialog used it.
bool OfferCharacter(CWnd* dialog, QtWidgetPeer* focused, const QKeyEvent& event);

// The visible, enabled button whose caption marks `key` as its access key ("&C"), if any.
QPushButton* ButtonWithAccessKey(const QWidget& dialog, int key);
