#include "platform/headless/HeadlessWindow.h"

#include <algorithm>

#include "platform/CWnd.h"

namespace {

CRect Intersection(const CRect& a, const CRect& b) {
    const CRect result(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                       std::min(a.bottom, b.bottom));
    return result.IsRectEmpty() ? CRect() : result;
}

CRect Union(const CRect& a, const CRect& b) {
    if (a.IsRectEmpty()) {
        return b;
    }
    if (b.IsRectEmpty()) {
        return a;
    }
    return CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                 std::max(a.bottom, b.bottom));
}

}  // namespace

HeadlessWindow* HeadlessWindow::s_focus = nullptr;

HeadlessWindow::HeadlessWindow(CallLog& log, int width, int height)
    : m_log(log), m_surface(width, height) {}

HeadlessWindow::~HeadlessWindow() {
    if (s_focus == this) {
        s_focus = nullptr;
    }
}

void HeadlessWindow::SetFocus() {
    s_focus = this;
}

void HeadlessWindow::Type(WPARAM character) {
    MSG message{nullptr, WM_CHAR, character, 1, 0, {0, 0}};
    CWnd* dialog = m_parent != nullptr ? m_parent->GetOwner() : nullptr;
    const bool kept = (Deliver(WM_GETDLGCODE, character, 0) & DLGC_WANTCHARS) != 0;
    if (!kept && dialog != nullptr && dialog->PreTranslateMessage(&message)) {
        return;
    }
    Deliver(WM_CHAR, character, 1);
}

void HeadlessWindow::Post(UINT message, WPARAM wParam, LPARAM lParam) {
    m_posted.push_back({message, wParam, lParam});
}

void HeadlessWindow::RunPostedMessages() {
    while (!m_posted.empty()) {
        const PostedMessage posted = m_posted.front();
        m_posted.pop_front();
        Deliver(posted.message, posted.wParam, posted.lParam);
    }
}

int HeadlessWindow::AddListItem(const std::string& utf8) {
    m_listItems.push_back(utf8);
    return static_cast<int>(m_listItems.size()) - 1;
}

void HeadlessWindow::ClearList() {
    m_listItems.clear();
    m_selectedItem = -1;
}

void HeadlessWindow::SelectListItem(int index) {
    m_selectedItem = index >= 0 && index < static_cast<int>(m_listItems.size()) ? index : -1;
}

void HeadlessWindow::Log(LoggedCall call) {
    call.window = this;
    m_log.Add(std::move(call));
}

LRESULT HeadlessWindow::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    Log({.kind = LoggedCall::Kind::DefaultProcessing,
         .message = message,
         .wParam = wParam,
         .lParam = lParam});
    switch (message) {
        case WM_PAINT:
            // A window that does not paint still counts as painted, or WM_PAINT would
            // come back for ever.
            m_invalid = CRect();
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_GETDLGCODE:
            return m_keepsCharacters ? DLGC_WANTARROWS | DLGC_WANTCHARS : 0;
        default:
            return 0;
    }
}

void HeadlessWindow::Invalidate(const RECT* rect, BOOL erase) {
    const bool whole = rect == nullptr;
    const CRect asked = whole ? ClientRect() : CRect(*rect);
    Log({.kind = LoggedCall::Kind::Invalidate, .rect = asked, .whole = whole, .flag = erase});
    m_invalid = Union(m_invalid, Intersection(asked, ClientRect()));
}

CRect HeadlessWindow::BeginPaint() {
    const CRect renew = m_invalid;
    m_invalid = CRect();
    Log({.kind = LoggedCall::Kind::BeginPaint, .rect = renew});
    return renew;
}

void HeadlessWindow::EndPaint() {
    Log({.kind = LoggedCall::Kind::EndPaint});
}

CRect HeadlessWindow::ClientRect() const {
    return CRect(0, 0, m_surface.Width() / m_scale, m_surface.Height() / m_scale);
}

void HeadlessWindow::SetPaintScale(int scale) {
    const CRect client = ClientRect();
    m_scale = scale > 1 ? scale : 1;
    m_surface.Reset(client.Width() * m_scale, client.Height() * m_scale);
    m_invalid = ClientRect();
}

void HeadlessWindow::Move(int x, int y, int width, int height, BOOL repaint) {
    Log({.kind = LoggedCall::Kind::Move,
         .rect = CRect(x, y, x + width, y + height),
         .flag = repaint});
    m_position = CPoint(x, y);
    if (width != ClientRect().Width() || height != ClientRect().Height()) {
        m_surface.Reset(width * m_scale, height * m_scale);
        m_invalid = Intersection(m_invalid, ClientRect());
    }
    if (repaint) {
        m_invalid = ClientRect();
    }
}

CRect HeadlessWindow::Place() const {
    return CRect(m_position.x, m_position.y, m_position.x + ClientRect().Width(),
                 m_position.y + ClientRect().Height());
}

void HeadlessWindow::SetClientSize(int width, int height) {
    Move(m_position.x, m_position.y, width, height, TRUE);
}

void HeadlessWindow::SetText(const std::string& utf8) {
    Log({.kind = LoggedCall::Kind::SetText, .text = utf8});
    m_text = utf8;
}

void HeadlessWindow::SetAccessibleText(const std::string& name, const std::string& description) {
    m_accessibleName = name;
    m_accessibleDescription = description;
    ++m_accessibleChanges;
}

void HeadlessWindow::SetAccessibleList(const AccessibleList& list, int told) {
    m_accessibleList = list;
    m_accessibleName = list.name;
    m_accessibleDescription = list.text;
    ++m_accessibleChanges;
    m_accessibleTold.push_back(told >= 0 && told < static_cast<int>(list.items.size())
                                   ? list.items[static_cast<std::size_t>(told)].description
                                   : list.text);
}

HICON HeadlessWindow::SetIcon(HICON icon, BOOL big) {
    Log({.kind = LoggedCall::Kind::SetIcon, .flag = big, .icon = icon});
    HICON& slot = big ? m_bigIcon : m_smallIcon;
    return std::exchange(slot, icon);
}

void HeadlessWindow::AddControl(int id, HeadlessWindow& control) {
    m_controls[id] = &control;
    control.m_parent = this;
    control.m_id = id;
}

void HeadlessWindow::AddChild(HeadlessWindow& control, CPoint place) {
    m_children.push_back(&control);
    control.m_position = place;
}

void HeadlessWindow::ShiftControls(int top, int dy) {
    for (HeadlessWindow* child : m_children) {
        const CRect place = child->Place();
        if (place.top >= top) {
            child->Move(place.left, place.top + dy, place.Width(), place.Height(), FALSE);
        }
    }
}

void HeadlessWindow::NotifyParent(UINT code) {
    Log({.kind = LoggedCall::Kind::Notify, .value = static_cast<int>(code)});
    if (m_parent != nullptr) {
        m_parent->Deliver(WM_COMMAND, MAKEWPARAM(m_id, code),
                          reinterpret_cast<LPARAM>(static_cast<WindowPeer*>(this)));
    }
}

WindowPeer* HeadlessWindow::Control(int id) {
    const auto found = m_controls.find(id);
    return found != m_controls.end() ? found->second : nullptr;
}

CMenu* HeadlessWindow::SystemMenu(BOOL) {
    return m_hasSystemMenu ? &m_systemMenu : nullptr;
}

void HeadlessWindow::EndModal(int result) {
    Log({.kind = LoggedCall::Kind::EndModal, .value = result});
    m_modalResult = result;
}

LRESULT HeadlessWindow::Deliver(UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* owner = GetOwner();
    return owner != nullptr ? owner->WindowProc(message, wParam, lParam)
                            : DefWindowProc(message, wParam, lParam);
}

bool HeadlessWindow::RunPendingPaint() {
    if (!IsPaintPending()) {
        return false;
    }
    Deliver(WM_PAINT);
    return true;
}
