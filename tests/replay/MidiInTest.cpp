// Keys played on a MIDI keyboard through canzet-replay's commands: how each drill judges
// them, the note they place, their echo, and the main staff's move.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/support/ReplayLines.h"
#include "tools/replay/ReplayMidiInCommands.h"
#include "tools/replay/ReplayPracticeCommands.h"
#include "tools/replay/ReplaySession.h"
#include "tools/replay/ReplayStaffCommands.h"

namespace {

struct PlayedCase {
    const char* name;
    std::string script;
    std::string transcript;
    std::string told = "";  // what a screen reader was told last, when it matters
};

class Played : public ::testing::TestWithParam<PlayedCase> {};

TEST_P(Played, JudgedPlacedAndEchoed) {
    bool failed = false;
    long lineNumber = 0;
    std::vector<ReplayCommandDefinition> commands = StaffCommands();
    for (auto more : {PracticeCommands(failed, lineNumber), MidiInCommands(failed, lineNumber)}) {
        commands.insert(commands.end(), more.begin(), more.end());
    }
    std::ostringstream out;
    ReplaySession session(out);
    RunReplayLines(GetParam().script, commands, session, lineNumber);
    EXPECT_FALSE(failed);
    EXPECT_EQ(out.str(), GetParam().transcript);
    if (!GetParam().told.empty()) {
        EXPECT_EQ(session.Headless().window.AccessibleTold().back(), GetParam().told);
    }
}

const std::string kReadQuestion = "question 1 read treble 12\ninvalidate erase\n";
const std::string kPlaceQuestion = "question 1 place treble 12\ninvalidate erase\n";

INSTANTIATE_TEST_SUITE_P(
    Keys, Played,
    ::testing::Values(
        // Question 1 of seed 7 asks step 12, G5 (key 79), in the treble clef.
        PlayedCase{"ReadRightTimedToTheKey",
                   "practice read treble 1 13 3 7\nwait 900\nmidiin 904f50\n",
                   kReadQuestion + "played 79\nmidi 00504f90\nresult right 12 G 900 key 79\n"},
        PlayedCase{"ReadWrongOctave", "practice read treble 1 13 3 7\nmidiin 904350\n",
                   kReadQuestion + "played 67\nmidi 00504390\nresult wrong 12 G 0 key 67\n"
                                   "midi 00504f90\n"},
        PlayedCase{"ReadBlackKeyWithoutEcho",
                   "midiecho off\npractice read treble 1 13 3 7\nmidiin 904e50\n",
                   kReadQuestion + "played 78\nresult wrong 12 F 0 key 78\nmidi 00504f90\n"},
        PlayedCase{"KeyWhileTheResultShowsAnswersNothing",
                   "practice read treble 1 13 3 7\nmidiin 904f50\nmidiin 904f50\n",
                   kReadQuestion + "played 79\nmidi 00504f90\nresult right 12 G 0 key 79\n"
                                   "played 79\nmidi 00504f90\n"},
        PlayedCase{"PlaceRightShowsTheNote",
                   "practice place treble 1 13 3 7\nmidiin 904f50\nnotes\n",
                   kPlaceQuestion + "played 79\nmidi 00504f90\ninvalidate\n"
                                    "result right 12 12 0 key 79\nnotes 1 12\n"},
        PlayedCase{"PlaceOutOfRangeLeavesTheStaffEmpty",
                   "practice place treble 1 13 3 7\nmidiin 905450\nnotes\n",
                   kPlaceQuestion + "played 84\nmidi 00505490\nresult wrong 12 0 0 key 84\n"
                                    "midi 00504f90\nnotes 0\n"},
        PlayedCase{"HearWrongKeyOnItsStep",
                   "practice hear bass 1 13 2 7\nwait 300\nmidiin 903c50\n",
                   "question 1 hear bass 12\ninvalidate erase\nmidi 00503b90\nplayed 60\n"
                   "midi 00503c90\ninvalidate\nresult wrong 12 13 300 key 60\nmidi 00503b90\n"},
        // The main staff: a note placed, then moved; a note-off ends the echo; a black key
        // and one out of the clef's range change nothing.
        PlayedCase{"MainStaffMoves", "midiin 903c50\nmidiin 803c40\nmidiin 904f50\nnotes\n",
                   "played 60\nmidi 00503c90\ninvalidate\nmidi 00403c80\nplayed 79\n"
                   "midi 00504f90\ninvalidate\nnotes 1 12\n",
                   "第1个，共1个：G5，第12位"},
        PlayedCase{"MainStaffIgnoresOtherKeys",
                   "midiecho off\nclef bass\nmidiin 903c50\nmidiin 3d50\nmidiin 3050\nnotes\n",
                   "played 60\ninvalidate\nplayed 61\nplayed 48\ninvalidate\nnotes 1 6\n"}),
    [](const ::testing::TestParamInfo<PlayedCase>& info) { return info.param.name; });

}  // namespace
