#include "app/CanzetDlg.h"

#include <utility>

#include "app/PlayedKeys.h"
#include "app/PracticeDlg.h"

#include "platform/Backend.h"
#include "platform/CDC.h"
#include "platform/CMenu.h"
#include "platform/CString.h"
#include "platform/CWinApp.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
}

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

CCanzetDlg::CCanzetDlg(CWnd* pParent, const StaffSetup& setup, const PracticeSetup& practice)
    : CDialog(IDD_CANZET_DIALOG, pParent), m_setup(setup), m_practice(practice) {
    m_practice.names = setup.names;
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

CCanzetDlg::~CCanzetDlg() {
    PlayedKeys().StopListening(*this);
}

void CCanzetDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_POSITION, m_btnPosition);
    DDX_Control(pDX, IDC_STAFF, m_staff);
}

BEGIN_MESSAGE_MAP(CCanzetDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_POSITION, OnPositionClicked)
// Enter on the staff shows the position, as the button would.
ON_CONTROL(STAFFN_RETURN, IDC_STAFF, OnPositionClicked)
END_MESSAGE_MAP()

BOOL CCanzetDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu != nullptr) {
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
        CString strBassClef;
        CString strAltoClef;
        CString strTenorClef;
        CString strClear;
        strBassClef.LoadString(IDS_BASSCLEF);
        strAltoClef.LoadString(IDS_ALTOCLEF);
        strTenorClef.LoadString(IDS_TENORCLEF);
        strClear.LoadString(IDS_CLEAR);
        if (!strBassClef.IsEmpty() && !strClear.IsEmpty()) {
            // The clefs from high to low; the treble clef is the one none is checked for,
            // and "低音谱号" stays just above "清除".
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ALTOCLEF, strAltoClef);
            pSysMenu->AppendMenu(MF_STRING, IDM_TENORCLEF, strTenorClef);
            pSysMenu->AppendMenu(MF_STRING, IDM_BASSCLEF, strBassClef);
            pSysMenu->AppendMenu(MF_STRING, IDM_CLEAR, strClear);
        }
        CString strPractice;
        strPractice.LoadString(IDS_PRACTICE);
        if (!strPractice.IsEmpty()) {
            pSysMenu->AppendMenu(MF_STRING, IDM_PRACTICE, strPractice);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    // The staff control takes the size of its picture, whatever the template's frame says.
    const staff::StaffGeometry geometry(m_setup.ledgerLines);
    m_staff.SetLedgerLines(geometry.LedgerLines());
    m_staff.MoveWindow(10, 40, staff::kStaffWidth, geometry.Height(), FALSE);
    GrowBelowStaff(geometry.Height() - staff::kStaffHeight);
    m_staff.SetMaxNotes(m_setup.maxNotes);
    m_staff.SetClef(m_setup.Clef());
    m_staff.SetNameSystem(m_setup.names.value_or(staff::NameSystem::Letters));
    ShowClefCheck();
    m_staff.InitMidi();
    PlayedKeys().Listen(*this);

    // --practice: the practice dialog opens over this one once it shows.
    if (m_practice.openAtStart) {
        PostMessage(WM_SYSCOMMAND, IDM_PRACTICE, 0);
    }
    return TRUE;
}

void CCanzetDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    const UINT command = nID & 0xFFF0;
    if (command == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else if (command == IDM_BASSCLEF || command == IDM_ALTOCLEF || command == IDM_TENORCLEF) {
        // Each clef's item switches between that clef and the treble clef.
        const staff::Clef chosen = command == IDM_BASSCLEF   ? staff::Clef::Bass
                                   : command == IDM_ALTOCLEF ? staff::Clef::Alto
                                                             : staff::Clef::Tenor;
        m_staff.SetClef(m_staff.GetClef() == chosen ? staff::Clef::Treble : chosen);
        ShowClefCheck();
        m_staff.InvalidateRect(nullptr, FALSE);
    } else if (command == IDM_CLEAR) {
        m_staff.ClearNotes();
        m_staff.InvalidateRect(nullptr, FALSE);
        // No note, no step: the button reads as it did at the start.
        CString caption;
        caption.LoadString(IDS_POSITION);
        SetDlgItemText(IDC_POSITION, caption);
        m_btnPosition.SetAccessibleText("", "");
    } else if (command == IDM_PRACTICE) {
        OpenPractice();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CCanzetDlg::OnPaint() {
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

        const int cxIcon = GetSystemMetrics(SM_CXICON);
        const int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        const int x = (rect.Width() - cxIcon + 1) / 2;
        const int y = (rect.Height() - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    } else {
        CDialog::OnPaint();
    }
}

HCURSOR CCanzetDlg::OnQueryDragIcon() {
    return m_hIcon;
}

void CCanzetDlg::OnPositionClicked() {
    int steps[CStaffControl::kMaxNoteSlots] = {};
    int count = 0;
    m_staff.GetNotes(steps, count);
    // With no note on the staff there is no step to show: the caption stays as it is.
    if (count < 1) {
        return;
    }
    // With room for several notes the step is the keyboard's note's; the indices of the
    // steps are the notes' slots, which GetNotes may just have exchanged.
    const int current = m_staff.CurrentNote();
    const int step = m_setup.maxNotes > 1 && current != -1 ? steps[current] : steps[0];
    CString text;
    text.Format("%d", step);
    SetDlgItemText(IDC_POSITION, text);
    // A bare number says nothing to a screen reader that reads the button alone.
    CString format;
    format.LoadString(IDS_POSITION_STEP);
    CString description;
    description.Format(format, step);
    m_btnPosition.SetAccessibleText("", description);
}

// A clef's item is checked while the staff shows that clef; none is in the treble clef.
void CCanzetDlg::ShowClefCheck() {
    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu == nullptr) {
        return;
    }
    const std::pair<UINT, staff::Clef> items[] = {{IDM_BASSCLEF, staff::Clef::Bass},
                                                  {IDM_ALTOCLEF, staff::Clef::Alto},
                                                  {IDM_TENORCLEF, staff::Clef::Tenor}};
    for (const auto& [id, clef] : items) {
        pSysMenu->CheckMenuItem(
            id, MF_BYCOMMAND | (m_staff.GetClef() == clef ? MF_CHECKED : MF_UNCHECKED));
    }
}

// A staff taller than the original pushes what lies below it down and the dialog's
// bottom with it.
void CCanzetDlg::GrowBelowStaff(int extra) {
    if (extra <= 0) {
        return;
    }
    CRect place;
    m_btnPosition.GetPlaceInParent(&place);
    m_btnPosition.MoveWindow(place.left, place.top + extra, place.Width(), place.Height(), FALSE);
    CRect client;
    GetClientRect(&client);
    SetClientSize(client.Width(), client.Height() + extra);
}

// The practice staff closes the process's MIDI device when it goes, as every staff does;
// this staff opens it again, so that it sounds as before.
void CCanzetDlg::OpenPractice() {
    const bool sounding = m_staff.IsMidiOpen();
    {
        CPracticeDlg dlg(this, m_practice);
        dlg.DoModal();
    }
    if (sounding) {
        m_staff.OpenMidi();
    }
}

void CCanzetDlg::KeyChanged(const input::KeyEvent& event) {
    if (event.down) {
        m_staff.PlaceKey(event.key);
    }
}
