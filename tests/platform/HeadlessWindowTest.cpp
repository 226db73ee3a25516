// The headless window: redraw requests collect into one invalid rectangle that a paint
// renews, and every call reaches the log in order.
#include <gtest/gtest.h>

#include <vector>

#include "platform/CWnd.h"
#include "platform/headless/HeadlessWindow.h"

namespace {

// Records the messages its map sends on, and paints by validating what is invalid.
class Painter : public CWnd {
  public:
    std::vector<CRect> renewed;
    int paints = 0;

    void OnPaint() {
        ++paints;
        renewed.push_back(GetPeer()->BeginPaint());
        GetPeer()->EndPaint();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Painter, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

class HeadlessWindowTest : public ::testing::Test {
  protected:
    CallLog log;
    HeadlessWindow window{log, 600, 160};
};

struct InvalidCase {
    std::vector<CRect> parts;  // CRect() stands for the whole client area
    CRect invalid;
};

class InvalidRect : public HeadlessWindowTest, public ::testing::WithParamInterface<InvalidCase> {};

TEST_P(InvalidRect, PartsUniteInsideTheClientArea) {
    for (const CRect& part : GetParam().parts) {
        window.Invalidate(part == CRect() ? nullptr : &part, FALSE);
    }
    EXPECT_EQ(window.InvalidRect(), GetParam().invalid);
    EXPECT_EQ(window.BeginPaint(), GetParam().invalid);
    EXPECT_FALSE(window.IsPaintPending());
    EXPECT_TRUE(window.InvalidRect().IsRectEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Headless, InvalidRect,
    ::testing::Values(
        InvalidCase{{}, CRect()}, InvalidCase{{CRect()}, CRect(0, 0, 600, 160)},
        InvalidCase{{CRect(10, 20, 30, 40)}, CRect(10, 20, 30, 40)},
        InvalidCase{{CRect(10, 20, 30, 40), CRect(50, 5, 60, 25)}, CRect(10, 5, 60, 40)},
        InvalidCase{{CRect(-50, -50, 20, 10), CRect(590, 150, 900, 900)}, CRect(0, 0, 600, 160)},
        InvalidCase{{CRect(700, 10, 800, 20)}, CRect()},
        InvalidCase{{CRect(10, 10, 10, 50)}, CRect()}));

TEST_F(HeadlessWindowTest, PendingPaintGoesToTheOwnerOnce) {
    Painter painter;
    painter.Attach(&window);
    EXPECT_FALSE(window.RunPendingPaint());
    const CRect part(5, 6, 7, 8);
    window.Invalidate(&part, FALSE);
    EXPECT_TRUE(window.RunPendingPaint());
    EXPECT_FALSE(window.RunPendingPaint());
    ASSERT_EQ(painter.paints, 1);
    EXPECT_EQ(painter.renewed[0], part);
}

TEST_F(HeadlessWindowTest, DefaultPaintValidatesSoPaintDoesNotComeBack) {
    CWnd plain;
    plain.Attach(&window);
    window.Invalidate(nullptr, TRUE);
    EXPECT_TRUE(window.RunPendingPaint());
    EXPECT_FALSE(window.IsPaintPending());
    ASSERT_EQ(log.Calls().size(), 2u);
    EXPECT_EQ(log.Calls()[0].kind, LoggedCall::Kind::Invalidate);
    EXPECT_TRUE(log.Calls()[0].whole);
    EXPECT_EQ(log.Calls()[0].flag, TRUE);
    EXPECT_EQ(log.Calls()[1].kind, LoggedCall::Kind::DefaultProcessing);
    EXPECT_EQ(log.Calls()[1].message, WM_PAINT);
}

TEST_F(HeadlessWindowTest, MessagesWithoutAnOwnerGetDefaultProcessing) {
    window.Deliver(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-3, 70));
    ASSERT_EQ(log.Calls().size(), 1u);
    const LoggedCall& call = log.Calls()[0];
    EXPECT_EQ(call.window, &window);
    EXPECT_EQ(call.wParam, MK_LBUTTON);
    EXPECT_EQ(GET_X_LPARAM(call.lParam), -3);
    EXPECT_EQ(GET_Y_LPARAM(call.lParam), 70);
}

TEST_F(HeadlessWindowTest, MoveResizesTheSurfaceAndKeepsTheInvalidPartInside) {
    window.Invalidate(nullptr, FALSE);
    window.Move(10, 40, 300, 100, FALSE);
    EXPECT_EQ(window.Position(), CPoint(10, 40));
    EXPECT_EQ(window.ClientRect(), CRect(0, 0, 300, 100));
    EXPECT_EQ(window.ClientSurface().Width(), 300);
    EXPECT_EQ(window.InvalidRect(), CRect(0, 0, 300, 100));
    EXPECT_EQ(log.Calls().back().rect, CRect(10, 40, 310, 140));
}

TEST_F(HeadlessWindowTest, TextsIconsControlsAndModalEnd) {
    HeadlessWindow button(log, 50, 20);
    window.AddControl(1002, button);
    EXPECT_EQ(window.Control(1002), &button);
    EXPECT_EQ(window.Control(1001), nullptr);
    button.SetText("7");
    EXPECT_EQ(button.Text(), "7");
    const auto icon = reinterpret_cast<HICON>(0x10);
    EXPECT_EQ(window.SetIcon(icon, TRUE), nullptr);
    EXPECT_EQ(window.Icon(true), icon);
    EXPECT_EQ(window.Icon(false), nullptr);
    EXPECT_NE(window.SystemMenu(FALSE), nullptr);
    window.SetHasSystemMenu(false);
    EXPECT_EQ(window.SystemMenu(FALSE), nullptr);
    window.EndModal(IDOK);
    EXPECT_EQ(window.ModalResult(), IDOK);
    EXPECT_EQ(log.CountOf(LoggedCall::Kind::SetText), 1);
    EXPECT_EQ(log.CountOf(LoggedCall::Kind::EndModal), 1);
}

TEST_F(HeadlessWindowTest, DestroyedWindowDetachesItsOwner) {
    CWnd owner;
    {
        HeadlessWindow shortLived(log, 10, 10);
        owner.Attach(&shortLived);
    }
    EXPECT_EQ(owner.GetPeer(), nullptr);
    owner.InvalidateRect(nullptr, FALSE);
    EXPECT_TRUE(log.Calls().empty());
}

}  // namespace
