#include "platform/headless/HeadlessDialog.h"

#include "platform/CDialog.h"
#include "platform/Resources.h"
#include "platform/headless/HeadlessBackend.h"

namespace {
constexpr std::uint16_t kComboBoxAtom = 0x85;

HeadlessWindow MakeWindow(CallLog& log, int x, int y, int cx, int cy) {
    const CRect rect = HeadlessDialog::kBaseUnits.ToPixels(x, y, cx, cy);
    return HeadlessWindow(log, rect.Width(), rect.Height());
}
}  // namespace

HeadlessDialog::HeadlessDialog(CallLog& log, const DialogTemplate& dialogTemplate)
    : m_window(MakeWindow(log, dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx,
                          dialogTemplate.cy)) {
    m_window.SetText(dialogTemplate.caption);
    for (const DialogControl& control : dialogTemplate.controls) {
        const CRect rect = kBaseUnits.ToPixels(control.x, control.y, control.cx, control.cy);
        HeadlessWindow& window = m_controls.emplace_back(log, rect.Width(), rect.Height());
        m_window.AddChild(window, CPoint(rect.left, rect.top));
        window.SetKeepsCharacters(control.classAtom == kComboBoxAtom ||
                                  control.className == "combobox");
        if (!control.text.isNumber) {
            window.SetText(control.text.text);
        }
        // The first control of an id answers for it, as in the window system.
        if (m_window.Control(control.id) == nullptr) {
            m_window.AddControl(control.id, window);
        }
    }
}

INT_PTR HeadlessBackend::RunModalDialog(CDialog& dialog, UINT templateId, CWnd*) {
    HeadlessDialog window(m_log, LoadDialogTemplateResource(templateId).value_or(DialogTemplate{}));
    dialog.Attach(&window.Window());
    window.Window().Deliver(WM_INITDIALOG);
    window.Window().RunPostedMessages();
    if (m_driver) {
        m_driver(dialog, window.Window());
    }
    dialog.Attach(nullptr);
    // Nobody is there to close a dialog that its driver left open: it counts as cancelled.
    return window.Window().ModalResult().value_or(IDCANCEL);
}
