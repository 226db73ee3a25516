// Judging under key signatures and signs on the notes, through canzet-replay's commands:
// Read counts the spelling, Place the pitch as spelled, Hear the key whatever its spelling;
// a key played has none, so it is right by the key in every drill.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/support/ReplayLines.h"
#include "tools/replay/ReplayMidiInCommands.h"
#include "tools/replay/ReplayPracticeCommands.h"
#include "tools/replay/ReplaySession.h"
#include "tools/replay/ReplaySignCommands.h"
#include "tools/replay/ReplayStaffCommands.h"

namespace {

using SignJudging = ScriptTest;

// The question and result lines of the case's script, run on a fresh session.
TEST_P(SignJudging, SpellingCountsWhereTheAnswerSpellsAndTheKeyWhereItSounds) {
    bool failed = false;
    long lineNumber = 0;
    std::vector<ReplayCommandDefinition> commands = StaffCommands();
    ConfirmOnRelease(commands);
    const auto practice = PracticeCommands(failed, lineNumber);
    commands.insert(commands.end(), practice.begin(), practice.end());
    AddSignCommands(commands);
    const auto midiIn = MidiInCommands(failed, lineNumber);
    commands.insert(commands.end(), midiIn.begin(), midiIn.end());
    std::ostringstream out;
    ReplaySession session(out);
    RunReplayLines(GetParam().script, commands, session, lineNumber);
    EXPECT_FALSE(failed);
    std::istringstream lines(out.str());
    std::string judged;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("question") || line.starts_with("result")) {
            judged += line + "\n";
        }
    }
    EXPECT_EQ(judged, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rounds, SignJudging,
    ::testing::Values(
        // The top line in D major is F#; its enharmonic Gb is the wrong spelling.
        ScriptCase{"ReadInDMajor",
                   "practice-key 2\npractice read treble 11 11 2 0\n"
                   "answer F#\nnext\nanswer Gb\n",
                   "question 1 read treble 11 F#5\nresult right F#5 F#5 0\n"
                   "question 2 read treble 11 F#5\nresult wrong F#5 Gb5 0\n"},
        ScriptCase{"ReadOwnSignsInAFlatMajor",
                   "practice-accidentals all\npractice-key -4\n"
                   "practice read treble 11 11 2 0\nanswer F\nnext\nanswer F\n",
                   "question 1 read treble 11 F#5\nresult wrong F#5 F5 0\n"
                   "question 2 read treble 11 F5\nresult right F5 F5 0\n"},
        // Left to the signature, Eb5 is right; a natural cancels it; D#5 sounds it but is
        // spelled otherwise.
        ScriptCase{"PlaceInEFlatMajor",
                   "practice-key -3\npractice place treble 10 10 3 0\n"
                   "down 300 60\nup 300 60\nnext\n"
                   "down 300 60\naccidental natural\nup 300 60\nnext\n"
                   "down 300 67\naccidental sharp\nup 300 67\n",
                   "question 1 place treble 10 Eb5\nresult right Eb5 Eb5 0\n"
                   "question 2 place treble 10 Eb5\nresult wrong Eb5 E5 0\n"
                   "question 3 place treble 10 Eb5\nresult wrong Eb5 D#5 0\n"},
        ScriptCase{"HearTakesEverySpelling",
                   "practice-accidentals all\npractice hear treble 12 12 3 0\n"
                   "down 300 39\naccidental flat\nup 300 39\nnext\n"
                   "down 300 46\nup 300 46\nnext\n"
                   "down 300 53\naccidental sharp\nup 300 53\n",
                   "question 1 hear treble 12 G#5\nresult right G#5 Ab5 0\n"
                   "question 2 hear treble 12 G5\nresult right G5 G5 0\n"
                   "question 3 hear treble 12 Gb5\nresult right Gb5 F#5 0\n"},
        // Played keys: F5 in D major is written with its natural; Place's black key takes
        // the flat of the signature, Hear's a sharp in C major.
        ScriptCase{"PlayedReadInDMajor",
                   "practice-key 2\npractice read treble 11 11 2 0\n"
                   "midiin 904e50\nnext\nmidiin 904d50\n",
                   "question 1 read treble 11 F#5\nresult right F#5 F#5 0 key 78\n"
                   "question 2 read treble 11 F#5\nresult wrong F#5 F5 0 key 77\n"},
        ScriptCase{"PlayedPlaceInEFlatMajor",
                   "practice-key -3\npractice place treble 10 10 2 0\n"
                   "midiin 904b50\nnext\nmidiin 904c50\n",
                   "question 1 place treble 10 Eb5\nresult right Eb5 Eb5 0 key 75\n"
                   "question 2 place treble 10 Eb5\nresult wrong Eb5 E5 0 key 76\n"},
        ScriptCase{"PlayedHearTakesEverySpelling",
                   "practice-accidentals all\npractice hear treble 12 12 3 0\n"
                   "midiin 905050\nnext\nmidiin 904f50\nnext\nmidiin 904e50\n",
                   "question 1 hear treble 12 G#5\nresult right G#5 G#5 0 key 80\n"
                   "question 2 hear treble 12 G5\nresult right G5 G5 0 key 79\n"
                   "question 3 hear treble 12 Gb5\nresult right Gb5 F#5 0 key 78\n"}),
    ScriptCaseName);

}  // namespace
