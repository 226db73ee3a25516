#include "platform/CDialog.h"

#include "platform/Backend.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.GetPeer() != nullptr) {
        return;
    }
    WindowPeer* dialog = pDX->m_pDlgWnd->GetPeer();
    WindowPeer* peer = dialog != nullptr ? dialog->Control(id) : nullptr;
    if (peer != nullptr) {
        control.Attach(peer);
    }
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
AFX_MSG_ENTRY(WM_INITDIALOG, 0, 0, return self_->OnInitDialog();)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
AFX_MSG_ENTRY(WM_CLOSE, 0, 0, self_->OnCancel(); return 0;)
END_MESSAGE_MAP()

INT_PTR CDialog::DoModal() {
    Backend* backend = CurrentBackend();
    if (backend == nullptr) {
        return -1;
    }
    const INT_PTR result = backend->RunModalDialog(*this, m_nIDTemplate, m_pParentWnd);
    Attach(nullptr);
    return result;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::EndDialog(int nResult) {
    if (GetPeer() != nullptr) {
        GetPeer()->EndModal(nResult);
    }
}

void CDialog::OnOK() {
    EndDialog(IDOK);
}
void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
void CDialog::OnPaint() {
    CWnd::OnPaint();
}
void CDialog::OnSysCommand(UINT nID, LPARAM lParam) {
    CWnd::OnSysCommand(nID, lParam);
}
