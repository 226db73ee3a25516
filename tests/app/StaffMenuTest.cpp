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
    ASSERT_EQ(menu.size(), 6u);
    EXPECT_EQ(menu[0].flags, MF_SEPARATOR);
    EXPECT_EQ(menu[1].id, static_cast<UINT_PTR>(IDM_ABOUTBOX));
    EXPECT_EQ(menu[1].text, "关于 Canzet(&A)...");
    EXPECT_EQ(menu[1].flags, MF_STRING);
    EXPECT_EQ(menu[2].flags, MF_SEPARATOR);
    EXPECT_EQ(menu[3].id, static_cast<UINT_PTR>(IDM_BASSCLEF));
    EXPECT_EQ(menu[3].text, "低音谱号");
    EXPECT_EQ(menu[3].flags, MF_STRING | MF_UNCHECKED) << "treble by default";
    EXPECT_EQ(menu[4].id, static_cast<UINT_PTR>(IDM_CLEAR));
    EXPECT_EQ(menu[4].text, "清除");
    EXPECT_EQ(menu[4].flags, MF_STRING);
    EXPECT_EQ(menu[5].id, static_cast<UINT_PTR>(IDM_PRACTICE));
    EXPECT_EQ(menu[5].text, "练习...");
    EXPECT_EQ(menu[5].flags, MF_STRING);
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
