// Keyboard editing of the staff through canzet-replay's commands: the exact MIDI bytes,
// redraw requests and notes of key sequences, what a screen reader is told, the tooltip,
// and the focus rectangle.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/CBitmap.h"
#include "res/resource.h"
#include "tests/support/ReplayLines.h"
#include "tools/replay/ReplaySession.h"
#include "tools/replay/ReplayStaffCommands.h"

namespace {

std::string Repeat(const std::string& line, int times) {
    std::string lines;
    for (int i = 0; i < times; ++i) {
        lines += line;
    }
    return lines;
}

// Runs a script on a fresh session; `inspect` sees the session before it goes.
std::string Replay(const std::string& script,
                   const std::function<void(ReplaySession&)>& inspect = {}) {
    std::ostringstream out;
    const std::vector<ReplayCommandDefinition> commands = StaffCommands();
    ReplaySession session(out);
    long lineNumber = 0;
    RunReplayLines(script, commands, session, lineNumber);
    if (inspect) {
        inspect(session);
    }
    return out.str();
}

using StaffKeys = ScriptTest;

TEST_P(StaffKeys, SoundMoveAndRedrawExactlyAsTheKeysSay) {
    EXPECT_EQ(Replay(GetParam().script), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, StaffKeys,
    ::testing::Values(
        ScriptCase{"UpPlacesThenClimbs", "key up\nkey up\nkey up\nnotes\n",
                   "midi 00504790\ninvalidate\nmidi 00504890\ninvalidate\nmidi 00504a90\n"
                   "invalidate\nnotes 1 9\n"},
        ScriptCase{"StopsAtStep13", "key up\nkey home\nkey up\nkey pageup\nkey ctrl+up\nnotes\n",
                   "midi 00504790\ninvalidate\nmidi 00505190\ninvalidate\nnotes 1 13\n"},
        ScriptCase{
            "StopsAtStep1",
            "key down\nkey pagedown\nkey pagedown\nkey end\nkey down\nkey ctrl+down\nnotes\n",
            "midi 00504790\ninvalidate\nmidi 00503c90\ninvalidate\nnotes 1 1\n"},
        ScriptCase{"OctavesUnderTheBassClef", "clef bass\nkey down\nkey ctrl+up\nkey pagedown\n",
                   "midi 00503290\ninvalidate\nmidi 00503c90\ninvalidate\nmidi 00503090\n"
                   "invalidate\n"},
        ScriptCase{"RightStopsAtX568", "key up\n" + Repeat("key right\n", 32) + "state\n",
                   "midi 00504790\n" + Repeat("invalidate\n", 32) + "state 1 -1 568,81\n"},
        ScriptCase{"LeftStopsAtX80", "key up\n" + Repeat("key left\n", 32) + "state\n",
                   "midi 00504790\n" + Repeat("invalidate\n", 32) + "state 1 -1 80,81\n"},
        ScriptCase{"OwnersLimitsHoldThePlacedNote",
                   "fixed 0 -1 10\nrange 6 6\nkey up\nkey left\nstate\n",
                   "midi 00504790\ninvalidate\nstate 1 -1 405,81\n"},
        ScriptCase{"SpacePlacesThenSoundsAgain", "key space\nkey space\nkey up\nkey space\nnotes\n",
                   "midi 00504790\ninvalidate\nmidi 00504790\nmidi 00504890\ninvalidate\n"
                   "midi 00504890\nnotes 1 8\n"},
        ScriptCase{"NoRoomNoNote", "maxnotes 0\nkey up\nkey space\nkey delete\nkey right\nnotes\n",
                   "notes 0\n"},
        ScriptCase{"BackspaceRemovesAndUpPlacesAgain",
                   "key up\nkey backspace\nnotes\nkey backspace\nkey down\n",
                   "midi 00504790\ninvalidate\ninvalidate\nnotes 0\nmidi 00504790\ninvalidate\n"},
        // Notes at x 324 (C5), 338 (B4) and 368 (B4): each placed from the keyboard goes
        // beside the current one. Ctrl+arrows choose by x, not slot, and repaint; with
        // nothing to choose nothing is redrawn.
        ScriptCase{
            "DeleteWithSeveralNotes",
            "maxnotes 3\nkey space\nkey up\nkey space\nkey left\nkey left\nkey space\n"
            "key right\nkey delete\nstate\ncurrent\nkey ctrl+left\ncurrent\nkey delete\n"
            "state\nkey ctrl+right\nkey ctrl+left\nkey delete\nnotes\ncurrent\n",
            "midi 00504790\ninvalidate\nmidi 00504890\ninvalidate\nmidi 00504790\ninvalidate\n"
            "invalidate\ninvalidate\nmidi 00504790\ninvalidate\ninvalidate\ninvalidate\n"
            "state 2 -1 324,74 338,81\ncurrent 338,81\ninvalidate\ncurrent 324,74\ninvalidate\n"
            "state 1 -1 338,81\ninvalidate\nnotes 0\ncurrent none\n"},
        ScriptCase{
            "PlacedNotesNeverOverlap", "maxnotes 3\nkey space\nkey space\nkey space\nstate\n",
            "midi 00504790\ninvalidate\nmidi 00504790\ninvalidate\nmidi 00504790\ninvalidate\n"
            "state 3 -1 324,81 354,81 384,81\n"},
        // No room right of x 568: the next note goes left, under a note high above the
        // middle line too, as only an overlapping box takes a place.
        ScriptCase{
            "LeftWhenNoRoomOnTheRight",
            "maxnotes 3\nkey up\n" + Repeat("key right\n", 31) +
                "key space\nkey home\nkey ctrl+right\nkey space\nstate\ncurrent\n",
            "midi 00504790\ninvalidate\n" + Repeat("invalidate\n", 31) +
                "midi 00504790\ninvalidate\nmidi 00505190\ninvalidate\ninvalidate\n"
                "midi 00504790\ninvalidate\nstate 3 -1 568,81 538,39 538,81\ncurrent 538,81\n"},
        // The owner's limits leave one place: the second Space finds none and sounds again.
        ScriptCase{"NoFreePlaceNoNote",
                   "fixed 0 -1 10\nrange 6 6\nmaxnotes 2\nkey space\nkey space\nstate\n",
                   "midi 00504790\ninvalidate\nmidi 00504790\nstate 1 -1 405,81\n"},
        ScriptCase{"EnterTellsTheParent", "key up\nkey enter\nnotes\n",
                   "midi 00504790\ninvalidate\nnotify 0x0100\nnotes 1 7\n"},
        ScriptCase{
            "KeysAfterADrag",
            "down 300 90\nmove 300 60\nup 300 60\nkey down\nkey left\nnotes\nstate\n",
            "invalidate\ndefault down 300 90\nmidi 00504c90\ninvalidate\ndefault move 300 60\n"
            "invalidate\ndefault up 300 60\nmidi 00504a90\ninvalidate\ninvalidate\nnotes 1 9\n"
            "state 1 -1 292,67\n"},
        // A drag that left the area leaves y 100 between rows; Up goes from its step, 5.
        ScriptCase{"UnsnappedNoteMovesFromItsStep", "down 300 100\nmove 0 0\nkey up\nstate\n",
                   "invalidate\ndefault down 300 100\ninvalidate\nmidi 00504590\ninvalidate\n"
                   "state 1 -1 300,88\n"},
        ScriptCase{
            "DragAfterKeysPicksTheNoteUp",
            "key up\nkey up\ndown 324 74\nmove 324 81\nup 324 81\nnotes\n",
            "midi 00504790\ninvalidate\nmidi 00504890\ninvalidate\ninvalidate\n"
            "default down 324 74\nmidi 00504790\ninvalidate\ndefault move 324 81\ninvalidate\n"
            "default up 324 81\nnotes 1 7\n"}),
    ScriptCaseName);

struct TextCase {
    const char* name;
    std::string script;
    std::string description;
    int changes;       // times a screen reader was told, the first naming the empty staff
    std::string told;  // what the last change told: a note with its place, or the whole
};

class StaffText : public ::testing::TestWithParam<TextCase> {};

TEST_P(StaffText, NamesTheNotesLeftToRight) {
    Replay(GetParam().script, [](ReplaySession& session) {
        EXPECT_EQ(session.Headless().window.AccessibleName(), "五线谱");
        EXPECT_EQ(session.Headless().window.AccessibleDescription(), GetParam().description);
        EXPECT_EQ(session.Headless().window.AccessibleChanges(), GetParam().changes);
        EXPECT_EQ(session.Headless().window.AccessibleTold().back(), GetParam().told);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StaffText,
    ::testing::Values(
        TextCase{"Empty", "", "没有音符", 1, "没有音符"},
        TextCase{"ThreeUps", "key up\nkey up\nkey up\n", "D5，第9位", 4, "第1个，共1个：D5，第9位"},
        // A move across is told although the words stay; a Space that finds no room is not.
        TextCase{"MoveAcrossToldUnchangedKeyNot", "key up\nkey left\nkey space\n", "B4，第7位", 3,
                 "第1个，共1个：B4，第7位"},
        TextCase{"EndOfDragOnly", "down 300 60\nmove 300 40\nmove 300 123\nup 0 0\n", "C4，第1位",
                 2, "C4，第1位"},
        TextCase{"ClefRenamesThePitch", "key up\nkey home\nclef bass\n", "C4，第13位", 4,
                 "C4，第13位"},
        TextCase{"SeveralNotes",
                 "maxnotes 3\nkey up\nkey home\nkey space\nkey right\nkey space\n"
                 "key left\nkey left\nkey end\n",
                 "A5，第13位；B4，第7位；C4，第1位", 9, "第3个，共3个：C4，第1位"},
        TextCase{"ChoosingTellsTheChosenNote",
                 "maxnotes 3\nkey space\nkey space\nkey up\nkey up\nkey up\nkey space\n"
                 "key ctrl+left\n",
                 "B4，第7位；E5，第10位；B4，第7位", 8, "第2个，共3个：E5，第10位"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StaffToolTip, NamesTheNoteUnderThePointerWithinItsHitBox) {
    Replay("key up\nkey up\n", [](ReplaySession& session) {
        CRect area;
        EXPECT_EQ(session.Staff().GetToolTipText(CPoint(312, 67), area), "C5，第8位");
        EXPECT_EQ(area, CRect(312, 67, 336, 81));
        EXPECT_EQ(session.Staff().GetToolTipText(CPoint(336, 74), area), "");
        EXPECT_EQ(session.Staff().GetToolTipText(CPoint(324, 81), area), "");
    });
}

TEST(StaffFocus, TabStopArrowsAndADottedRectangleOnlyWhileFocused) {
    CBitmap picture;
    ASSERT_TRUE(picture.LoadBitmap(IDB_STAFF_TREBLE));
    const std::string transcript = Replay("", [&](ReplaySession& session) {
        EXPECT_NE(session.Headless().window.Style() & WS_TABSTOP, 0u);
        EXPECT_EQ(session.Staff().SendMessage(WM_GETDLGCODE),
                  static_cast<LRESULT>(DLGC_WANTARROWS));
        const Surface& screen = session.Headless().window.ClientSurface();
        const auto differing = [&] {
            int count = 0;
            for (int y = 0; y < 160; ++y) {
                for (int x = 0; x < 600; ++x) {
                    const bool edge = x == 0 || y == 0 || x == 599 || y == 159;
                    const bool dot = edge && (x + y) % 2 == 0;
                    const std::uint32_t expected =
                        picture.Pixels().Pixel(x, y) ^ (dot ? 0xFFFFFFu : 0);
                    count += screen.Pixel(x, y) != expected ? 1 : 0;
                }
            }
            return count;
        };
        session.Staff().SendMessage(WM_SETFOCUS);
        session.Headless().window.RunPendingPaint();
        EXPECT_EQ(differing(), 0) << "every other edge pixel inverted";
        session.Staff().SendMessage(WM_KILLFOCUS);
        session.Headless().window.RunPendingPaint();
        EXPECT_EQ(differing(), 2 * (600 + 158) / 2) << "the picture alone again";
    });
    EXPECT_EQ(transcript,
              "invalidate\ndefault 0x0007\nbeginpaint 0 0 600 160\nendpaint\ninvalidate\n"
              "default 0x0008\nbeginpaint 0 0 600 160\nendpaint\n");
}

// The keyboard's note is drawn as a dragged one while the staff has the focus and holds
// several notes; with one note the focus adds the rectangle and nothing else.
TEST(StaffFocus, MarksTheCurrentNoteOnlyAmongSeveral) {
    for (const int notes : {1, 2}) {
        Replay("clef treble\nmaxnotes 2\n" + Repeat("key space\n", notes),
               [&](ReplaySession& session) {
                   HeadlessWindow& window = session.Headless().window;
                   const CStaffControl& staff = session.Staff();
                   const int left = staff.NoteCentre(staff.CurrentNote()).x - 12;
                   const auto paintedBox = [&](UINT focus) {
                       session.Staff().SendMessage(focus);
                       window.RunPendingPaint();
                       std::vector<std::uint32_t> box;
                       for (int y = 74; y < 88; ++y) {
                           for (int x = left; x < left + 24; ++x) {
                               box.push_back(window.ClientSurface().Pixel(x, y));
                           }
                       }
                       return box;
                   };
                   const auto unfocused = paintedBox(WM_KILLFOCUS);
                   EXPECT_EQ(paintedBox(WM_SETFOCUS) != unfocused, notes > 1) << notes;
                   EXPECT_EQ(paintedBox(WM_KILLFOCUS), unfocused) << notes;
               });
    }
}

}  // namespace
