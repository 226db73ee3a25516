// The staff the program starts with (clef and capacity from the app object's setup) and
// the system menu: its About item, then its bass-clef and clear items.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/Canzet.h"
#include "platform/CMenu.h"
#include "res/resource.h"
#include "staff/StaffControl.h"
#include "tests/app/AppDriver.h"

namespace {

using Kind = LoggedCall::Kind;

CStaffControl& StaffOf(MainDialogUser& user) {
    return dynamic_cast<CStaffControl&>(*user.Staff().GetOwner());
}

// The item's check state, or 0xFFFFFFFF when the system menu has no such item.
UINT CheckOf(MainDialogUser& user, UINT id) {
    for (const CMenu::Item& item : user.Dialog().SystemMenu(FALSE)->Items()) {
        if (item.id == id && (item.flags & MF_SEPARATOR) == 0) {
            return item.flags & MF_CHECKED;
        }
    }
    return 0xFFFFFFFF;
}

bool StaffInvalidated(const CallLog& log, MainDialogUser& user) {
    return std::any_of(log.Calls().begin(), log.Calls().end(), [&](const LoggedCall& call) {
        return call.kind == Kind::Invalidate && call.window == &user.Staff() && call.whole &&
               call.flag == FALSE;
    });
}

class StaffMenu : public ::testing::Test {
  protected:
    void TearDown() override { theApp.m_staffSetup = StaffSetup{}; }

    AppDriver app;
};

TEST_F(StaffMenu, MenuHasTheClefClearAndPracticeItemsAfterTheAboutItem) {
    std::vector<CMenu::Item> menu;
    app.Run([&](MainDialogUser& user) { menu = user.Dialog().SystemMenu(FALSE)->Items(); });
    ASSERT_EQ(menu.size(), 8u);
    EXPECT_EQ(menu[0].flags, MF_SEPARATOR);
    EXPECT_EQ(menu[1].id, static_cast<UINT_PTR>(IDM_ABOUTBOX));
    EXPECT_EQ(menu[1].text, "关于 Canzet(&A)...");
    EXPECT_EQ(menu[1].flags, MF_STRING);
    EXPECT_EQ(menu[2].flags, MF_SEPARATOR);
    EXPECT_EQ(menu[3].id, static_cast<UINT_PTR>(IDM_ALTOCLEF));
    EXPECT_EQ(menu[3].text, "中音谱号");
    EXPECT_EQ(menu[3].flags, MF_STRING | MF_UNCHECKED);
    EXPECT_EQ(menu[4].id, static_cast<UINT_PTR>(IDM_TENORCLEF));
    EXPECT_EQ(menu[4].text, "次中音谱号");
    EXPECT_EQ(menu[4].flags, MF_STRING | MF_UNCHECKED);
    EXPECT_EQ(menu[5].id, static_cast<UINT_PTR>(IDM_BASSCLEF));
    EXPECT_EQ(menu[5].text, "低音谱号");
    EXPECT_EQ(menu[5].flags, MF_STRING | MF_UNCHECKED) << "treble by default";
    EXPECT_EQ(menu[6].id, static_cast<UINT_PTR>(IDM_CLEAR));
    EXPECT_EQ(menu[6].text, "清除");
    EXPECT_EQ(menu[6].flags, MF_STRING);
    EXPECT_EQ(menu[7].id, static_cast<UINT_PTR>(IDM_PRACTICE));
    EXPECT_EQ(menu[7].text, "练习...");
    EXPECT_EQ(menu[7].flags, MF_STRING);
}

TEST_F(StaffMenu, BassClefWithThreeNotesFromTheSetup) {
    theApp.m_staffSetup = StaffSetup{false, 3};
    bool treble = true;
    UINT check = 0;
    int placed = 0;
    std::vector<DWORD> notes;
    app.Run([&](MainDialogUser& user) {
        treble = StaffOf(user).IsTreble();
        check = CheckOf(user, IDM_BASSCLEF);
        for (const auto& [x, y] : {std::pair{150, 95}, {300, 67}, {450, 109}, {520, 81}}) {
            user.Place(x, y);
        }
        placed = StaffOf(user).NoteCount();
        app.midi.ClearRecord();
        user.Press(300, 67);
        user.Drag(300, 74);
        user.Drag(300, 81);
        user.Release(300, 81);
        notes = app.midi.Messages();
    });
    EXPECT_FALSE(treble);
    EXPECT_EQ(check, MF_CHECKED);
    EXPECT_EQ(placed, 3) << "the fourth press finds no room";
    // Bass clef: E3 (52) on the space above the middle line, D3 (50) on the middle line.
    EXPECT_EQ(notes, (std::vector<DWORD>{0x503490, 0x503290}));
}

TEST_F(StaffMenu, ClearRemovesEveryNoteSilentlyAndMakesRoomAgain) {
    theApp.m_staffSetup = StaffSetup{true, 2};
    int afterClear = -1;
    int afterPlace = -1;
    bool silent = false;
    bool repainted = false;
    bool passedOn = true;
    std::string described;
    app.Run([&](MainDialogUser& user) {
        user.Place(200, 81);
        user.Press(300, 95);  // still held when the menu clears it
        app.midi.ClearRecord();
        app.log.Clear();
        user.SystemCommand(IDM_CLEAR);
        afterClear = StaffOf(user).NoteCount();
        silent = app.midi.Calls().empty();
        repainted = StaffInvalidated(app.log, user);
        passedOn =
            std::any_of(app.log.Calls().begin(), app.log.Calls().end(), [](const LoggedCall& call) {
                return call.kind == Kind::DefaultProcessing && call.message == WM_SYSCOMMAND;
            });
        described = user.Staff().AccessibleDescription();
        // The keyboard's note went too: Delete has nothing left to remove.
        user.Staff().Deliver(WM_KEYDOWN, VK_DELETE, 0);
        afterClear = std::max(afterClear, StaffOf(user).NoteCount());
        user.Drag(300, 110);
        user.Release(300, 110);
        silent = silent && app.midi.Calls().empty();
        user.Place(250, 60);
        user.Place(350, 60);
        user.Place(450, 60);
        afterPlace = StaffOf(user).NoteCount();
    });
    EXPECT_EQ(afterClear, 0);
    EXPECT_EQ(described, "没有音符");
    EXPECT_TRUE(silent) << "neither the clear nor the rest of the held drag sounds";
    EXPECT_TRUE(repainted);
    EXPECT_FALSE(passedOn);
    EXPECT_EQ(afterPlace, 2);
}

TEST_F(StaffMenu, BassClefItemSwitchesBothWaysAndKeepsTheNotes) {
    std::vector<bool> treble;
    std::vector<UINT> checks;
    CPoint before;
    CPoint after;
    bool repainted = false;
    std::vector<DWORD> notes;
    app.Run([&](MainDialogUser& user) {
        user.Place(300, 95);
        before = StaffOf(user).NoteCentre(0);
        app.log.Clear();
        user.SystemCommand(IDM_BASSCLEF);
        repainted = StaffInvalidated(app.log, user);
        treble.push_back(StaffOf(user).IsTreble());
        checks.push_back(CheckOf(user, IDM_BASSCLEF));
        after = StaffOf(user).NoteCentre(0);
        app.midi.ClearRecord();
        user.Press(300, 95);
        user.Drag(300, 102);
        user.Release(300, 102);
        user.SystemCommand(IDM_BASSCLEF);
        treble.push_back(StaffOf(user).IsTreble());
        checks.push_back(CheckOf(user, IDM_BASSCLEF));
        user.Press(300, 102);
        user.Drag(300, 109);
        user.Release(300, 109);
        notes = app.midi.Messages();
    });
    EXPECT_EQ(treble, (std::vector<bool>{false, true}));
    EXPECT_EQ(checks, (std::vector<UINT>{MF_CHECKED, MF_UNCHECKED}));
    EXPECT_TRUE(repainted);
    EXPECT_EQ(after, before) << "the note stays on its line";
    // A2 (45) in bass clef, then E4 (64) in treble.
    EXPECT_EQ(notes, (std::vector<DWORD>{0x502D90, 0x504090}));
}

}  // namespace

// --clef tenor --ledger-lines 4: the taller staff pushes the button and the dialog's bottom
// down by 84 pixels; the C clef items switch between their clef and treble.
TEST_F(StaffMenu, TallTenorStaffGrowsTheDialogAndTheClefItemsChooseAmongFour) {
    CRect staffPlace, buttonPlace, dialog;
    std::vector<UINT> checks;
    std::vector<staff::Clef> clefs;
    std::vector<DWORD> notes;
    std::string caption;
    CRect originalButton, originalDialog;
    app.Run([&](MainDialogUser& user) {
        originalButton = user.PositionButton().Place();
        originalDialog = user.Dialog().ClientRect();
    });
    theApp.m_staffSetup = StaffSetup{.ledgerLines = 4, .cClef = staff::Clef::Tenor};
    app.Run([&](MainDialogUser& user) {
        staffPlace = user.Staff().Place();
        buttonPlace = user.PositionButton().Place();
        dialog = user.Dialog().ClientRect();
        for (const UINT id : {IDM_ALTOCLEF, IDM_TENORCLEF, IDM_BASSCLEF}) {
            checks.push_back(CheckOf(user, id));
        }
        // The lowest place, on the fourth ledger line below, sounds C2 in the tenor clef.
        user.Press(300, 200);
        user.Drag(300, 207);
        user.Release(300, 207);
        user.Click(IDC_POSITION);
        caption = user.Caption();
        for (const UINT id : {IDM_ALTOCLEF, IDM_BASSCLEF, IDM_BASSCLEF}) {
            user.SystemCommand(id);
            clefs.push_back(StaffOf(user).GetClef());
        }
        notes = app.midi.Messages();
    });
    EXPECT_EQ(staffPlace, CRect(10, 40, 610, 284));
    EXPECT_EQ(buttonPlace, CRect(originalButton.left, originalButton.top + 84, originalButton.right,
                                 originalButton.bottom + 84));
    EXPECT_EQ(checks, (std::vector<UINT>{MF_UNCHECKED, MF_CHECKED, MF_UNCHECKED}));
    EXPECT_EQ(caption, "-5");
    EXPECT_EQ(clefs, (std::vector<staff::Clef>{staff::Clef::Alto, staff::Clef::Bass,
                                               staff::Clef::Treble}));
    EXPECT_EQ(notes, (std::vector<DWORD>{0x502490}));
    EXPECT_EQ(dialog.Height(), originalDialog.Height() + 84);
}
