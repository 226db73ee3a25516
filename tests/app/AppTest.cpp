// The whole program on the headless backend: start-up, the position readout, the system
// commands, the minimised paint, MIDI failures and the way out.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "app/Canzet.h"
#include "platform/Icon.h"
#include "res/resource.h"
#include "tests/app/AppDriver.h"

namespace {

using Kind = LoggedCall::Kind;
using MidiCall = TestMidiDevice::CallKind;

std::vector<std::string> MessageBoxTexts(const CallLog& log) {
    std::vector<std::string> texts;
    for (const LoggedCall& call : log.Calls()) {
        if (call.kind == Kind::MessageBox) {
            texts.push_back(call.text);
        }
    }
    return texts;
}

bool HasDefaultProcessing(const CallLog& log, const WindowPeer& window, UINT message) {
    return std::any_of(log.Calls().begin(), log.Calls().end(), [&](const LoggedCall& call) {
        return call.kind == Kind::DefaultProcessing && call.window == &window &&
               call.message == message;
    });
}

TEST(AppStartUp, SetsTheDialogUpAndOpensTheMidiDevice) {
    AppDriver app;
    std::optional<LoggedCall> staffMove;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    app.Run([&](MainDialogUser& user) {
        for (const LoggedCall& call : app.log.Calls()) {
            if (call.kind == Kind::Move && call.window == &user.Staff()) {
                staffMove = call;
            }
        }
        bigIcon = user.Dialog().Icon(true);
        smallIcon = user.Dialog().Icon(false);
        EXPECT_EQ(user.Staff().ClientRect(), CRect(0, 0, 600, 160));
        EXPECT_EQ(user.Caption(), "位置");
    });

    ASSERT_TRUE(staffMove.has_value());
    EXPECT_EQ(staffMove->rect, CRect(10, 40, 610, 200));
    EXPECT_EQ(staffMove->flag, FALSE) << "the move asks for no repaint";

    EXPECT_NE(bigIcon, nullptr);
    EXPECT_EQ(bigIcon, LoadIconResource(IDR_MAINFRAME));
    EXPECT_EQ(smallIcon, bigIcon);

    ASSERT_GE(app.midi.Calls().size(), 2u);
    EXPECT_EQ(app.midi.Calls()[0].kind, MidiCall::GetCaps);
    EXPECT_EQ(app.midi.Calls()[1].kind, MidiCall::Open);
    EXPECT_TRUE(MessageBoxTexts(app.log).empty());
}

TEST(AppStartUp, TheStaffHoldsOneNoteInTrebleClef) {
    AppDriver app;
    std::string caption;
    app.Run([&](MainDialogUser& user) {
        user.Place(300, 81);
        // No room for a second note: a press elsewhere places nothing.
        user.Place(400, 123);
        user.Click(IDC_POSITION);
        caption = user.Caption();

        app.midi.ClearRecord();
        user.Press(300, 81);
        user.Drag(300, 88);
        user.Drag(300, 95);
        user.Release(300, 95);
    });
    EXPECT_EQ(caption, "7");
    // Treble clef: A4 (69) on the space below the middle line, G4 (67) on the line below.
    EXPECT_EQ(app.midi.Messages(), (std::vector<DWORD>{0x504590, 0x504390}));
}

struct CaptionCase {
    int y;
    const char* caption;
};

void PrintTo(const CaptionCase& c, std::ostream* out) {
    *out << "y " << c.y;
}

class PositionCaption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(PositionCaption, ShowsTheStaffStepOfThePlacedNote) {
    AppDriver app;
    std::string caption;
    app.Run([&](MainDialogUser& user) {
        user.Place(300, GetParam().y);
        user.Click(IDC_POSITION);
        caption = user.Caption();
    });
    EXPECT_EQ(caption, GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(Steps, PositionCaption,
                         ::testing::Values(CaptionCase{123, "1"}, CaptionCase{39, "13"},
                                           CaptionCase{81, "7"}, CaptionCase{90, "6"},
                                           CaptionCase{160, "1"}, CaptionCase{0, "13"}));

TEST(PositionButton, FollowsTheNoteAndRepeatsItself) {
    AppDriver app;
    std::vector<std::string> captions;
    app.Run([&](MainDialogUser& user) {
        user.Place(300, 90);
        user.Click(IDC_POSITION);
        captions.push_back(user.Caption());
        user.Click(IDC_POSITION);
        captions.push_back(user.Caption());
        user.Press(300, 88);
        user.Drag(300, 60);
        user.Release(300, 60);
        user.Click(IDC_POSITION);
        captions.push_back(user.Caption());
    });
    EXPECT_EQ(captions, (std::vector<std::string>{"6", "6", "10"}));
}

TEST(PositionButton, WithNoNoteKeepsItsCaption) {
    AppDriver app;
    std::string caption;
    app.Run([&](MainDialogUser& user) {
        user.Click(IDC_POSITION);
        caption = user.Caption();
    });
    EXPECT_EQ(caption, "位置");
}

struct SystemCommandCase {
    UINT id;
    bool opensAbout;
};

void PrintTo(const SystemCommandCase& c, std::ostream* out) {
    *out << "id 0x" << std::hex << c.id;
}

class SystemCommand : public ::testing::TestWithParam<SystemCommandCase> {};

TEST_P(SystemCommand, OnlyTheAboutCommandOpensTheAboutBox) {
    AppDriver app;
    bool passedOn = false;
    app.Run([&](MainDialogUser& user) {
        user.SystemCommand(GetParam().id);
        passedOn = HasDefaultProcessing(app.log, user.Dialog(), WM_SYSCOMMAND);
    });
    EXPECT_EQ(app.aboutBoxesOpened, GetParam().opensAbout ? 1 : 0);
    EXPECT_EQ(passedOn, !GetParam().opensAbout) << "other commands get the default handling";
}

INSTANTIATE_TEST_SUITE_P(
    Ids, SystemCommand,
    ::testing::Values(SystemCommandCase{0x0010, true}, SystemCommandCase{0x0011, true},
                      SystemCommandCase{0x001F, true}, SystemCommandCase{0x0050, false},
                      SystemCommandCase{0x0000, false}, SystemCommandCase{SC_CLOSE, false}));

TEST(AboutBox, OpensAgainAndLeavesTheMainDialogAsItWas) {
    AppDriver app;
    std::string before;
    std::string after;
    bool stillRunning = false;
    app.Run([&](MainDialogUser& user) {
        user.Place(300, 39);
        user.Click(IDC_POSITION);
        before = user.Caption();
        user.SystemCommand(IDM_ABOUTBOX);
        user.SystemCommand(IDM_ABOUTBOX);
        after = user.Caption();
        stillRunning = !user.Dialog().ModalResult().has_value();
        user.Click(IDC_POSITION);
        after += "/" + user.Caption();
    });
    EXPECT_EQ(app.aboutBoxesOpened, 2);
    EXPECT_EQ(app.aboutCaption, "关于 Canzet");
    EXPECT_EQ(before, "13");
    EXPECT_EQ(after, "13/13");
    EXPECT_TRUE(stillRunning);
}

TEST(MinimisedPaint, ErasesAndCentresTheIcon) {
    AppDriver app;
    const HICON icon = LoadIconResource(IDR_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    Surface painted;
    bool erased = false;
    app.Run([&](MainDialogUser& user) {
        user.Dialog().Move(0, 0, 36, 36, FALSE);
        user.Dialog().SetIconic(true);
        user.Dialog().Invalidate(nullptr, FALSE);
        user.Dialog().RunPendingPaint();
        erased = HasDefaultProcessing(app.log, user.Dialog(), WM_ICONERASEBKGND);
        painted = user.Dialog().ClientSurface();
    });
    EXPECT_TRUE(erased);
    // (36 - 32 + 1) / 2 = 2 on both axes: the icon's corners land at (2, 2) and (33, 33).
    const Surface& image = IconImages(icon).front().color;
    ASSERT_EQ(image.Width(), 32);
    EXPECT_EQ(painted.Pixel(2, 2), image.Pixel(0, 0));
    EXPECT_EQ(painted.Pixel(33, 33), image.Pixel(31, 31));
    EXPECT_EQ(painted.Pixel(20, 9), image.Pixel(18, 7));
    EXPECT_EQ(painted.Pixel(1, 1), Surface::kWhite);
    EXPECT_EQ(painted.Pixel(34, 34), Surface::kWhite);
}

TEST(MinimisedPaint, OpenDialogLeavesPaintingToTheDefault) {
    AppDriver app;
    bool passedOn = false;
    app.Run([&](MainDialogUser& user) {
        user.Dialog().Invalidate(nullptr, FALSE);
        user.Dialog().RunPendingPaint();
        passedOn = HasDefaultProcessing(app.log, user.Dialog(), WM_PAINT);
    });
    EXPECT_TRUE(passedOn);
}

TEST(DragIcon, IsTheProgramIcon) {
    AppDriver app;
    LRESULT answer = 0;
    app.Run([&](MainDialogUser& user) { answer = user.Dialog().Deliver(WM_QUERYDRAGICON); });
    EXPECT_EQ(reinterpret_cast<HICON>(answer), LoadIconResource(IDR_MAINFRAME));
}

// Which message each MIDI fault gives is the staff's (tests/faults); here the dialog asks
// for the device as it starts and runs on without sound when it fails.
TEST(MidiFailure, AFailedOpenIsReportedAndTheDialogRunsSilently) {
    AppDriver app;
    app.midi.SetOpenResult(MMSYSERR_ALLOCATED);
    std::string caption;
    app.Run([&](MainDialogUser& user) {
        user.Press(300, 81);
        user.Drag(300, 95);
        user.Release(300, 95);
        user.Click(IDC_POSITION);
        caption = user.Caption();
    });
    EXPECT_EQ(MessageBoxTexts(app.log), std::vector<std::string>{"打开Midi设备失败"});
    EXPECT_TRUE(app.midi.Messages().empty());
    EXPECT_EQ(caption, "5");
}

struct EndingCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    int result;
};

class Ending : public ::testing::TestWithParam<EndingCase> {};

TEST_P(Ending, EndsTheProgramAndClosesTheMidiDevice) {
    AppDriver app;
    std::optional<int> result;
    const int exitCode = app.Run([&](MainDialogUser& user) {
        user.Dialog().Deliver(GetParam().message, GetParam().wParam, 0);
        result = user.Dialog().ModalResult();
    });
    EXPECT_EQ(result, GetParam().result);
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(app.midi.IsOpen());
    ASSERT_FALSE(app.midi.Calls().empty());
    EXPECT_EQ(app.midi.Calls().back().kind, MidiCall::Close);
    EXPECT_EQ(theApp.m_pMainWnd, nullptr) << "no pointer to the gone dialog is left";
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Ending,
    ::testing::Values(EndingCase{"Exit", WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), IDOK},
                      EndingCase{"Escape", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), IDCANCEL},
                      EndingCase{"CloseBox", WM_CLOSE, 0, IDCANCEL}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
