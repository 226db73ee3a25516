#include "tests/app/MainDialogUser.h"

#include "platform/Backend.h"
#include "platform/headless/HeadlessBackend.h"
#include "res/resource.h"

HeadlessWindow& MainDialogUser::Staff() {
    return static_cast<HeadlessWindow&>(*m_dialog.Control(IDC_STAFF));
}

HeadlessWindow& MainDialogUser::PositionButton() {
    return static_cast<HeadlessWindow&>(*m_dialog.Control(IDC_POSITION));
}

void MainDialogUser::Mouse(UINT message, UINT flags, int x, int y) {
    Staff().Deliver(message, flags, MAKELPARAM(x, y));
    Staff().RunPendingPaint();
}

void MainDialogUser::Press(int x, int y) {
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
}
void MainDialogUser::Drag(int x, int y) {
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, x, y);
}
void MainDialogUser::Release(int x, int y) {
    Mouse(WM_LBUTTONUP, 0, x, y);
}
void MainDialogUser::Place(int x, int y) {
    Press(x, y);
    Release(x, y);
}

void MainDialogUser::Key(int virtualKey, bool ctrl) {
    auto& keyboard = dynamic_cast<HeadlessBackend&>(*CurrentBackend());
    keyboard.SetKeyDown(VK_CONTROL, ctrl);
    Staff().Deliver(WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
    keyboard.SetKeyDown(VK_CONTROL, false);
    Staff().RunPendingPaint();
}

void MainDialogUser::Click(int controlId) {
    m_dialog.Deliver(WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED), 0);
}

void MainDialogUser::SystemCommand(UINT id) {
    m_dialog.Deliver(WM_SYSCOMMAND, id, 0);
}

std::string MainDialogUser::Caption() {
    return PositionButton().Text();
}
