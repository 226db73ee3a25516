// canzet-replay as a user, or another program, runs it: a script on stdin, the transcript on
// stdout, malformed lines on stderr and the exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct ProcessResult {
    std::string out;
    std::string err;
    int status;
};

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

ProcessResult RunReplay(const std::string& script) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("canzet-replay-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << script;
    const std::string command = std::string("'") + CANZET_REPLAY + "' < '" + (dir / "in").string() +
                                "' > '" + (dir / "out").string() + "' 2> '" +
                                (dir / "err").string() + "'";
    const int raw = std::system(command.c_str());
    ProcessResult run{ReadFile(dir / "out"), ReadFile(dir / "err"),
                      WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
    std::filesystem::remove_all(dir);
    return run;
}

struct ReplayCase {
    const char* name;
    std::string script;
    std::string out;
    std::string err;
    int status;
};

class ReplayProcess : public ::testing::TestWithParam<ReplayCase> {};

std::string CaseName(const ::testing::TestParamInfo<ReplayCase>& info) {
    return info.param.name;
}

TEST_P(ReplayProcess, PrintsTheTranscriptAndReportsMalformedLines) {
    const ReplayCase& c = GetParam();
    const ProcessResult run = RunReplay(c.script);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Replay, ReplayProcess,
    ::testing::Values(
        ReplayCase{"Empty", "", "", "", 0},
        ReplayCase{"BlankAndCommentLines", "\n   \n# down 1 1\n  # move 2 2\n\t\n", "", "", 0},
        ReplayCase{"PressDragRelease",
                   "down 300 90\nmove 310 74\nmove 320 75\nup 5 5\nstate\nnotes\n",
                   "invalidate\ndefault down 300 90\n"
                   "midi 00504890\ninvalidate\ndefault move 310 74\n"
                   "midi 00504790\ninvalidate\ndefault move 320 75\n"
                   "invalidate\ndefault up 5 5\n"
                   "state 1 -1 320,81\nnotes 1 7\n",
                   "", 0},
        ReplayCase{"StateDuringADragAndEmptyNotes", "notes\nstate\ndown 5 5\nstate\n",
                   "notes 0\nstate 0 -1\ninvalidate\ndefault down 5 5\nstate 1 0 80,39\n", "", 0},
        ReplayCase{"BassClefAndLeavingTheDragArea",
                   "clef bass\ndown 300 90\nmove 300 20\nmove 300 17\nup 300 17\nstate\n",
                   "invalidate\ndefault down 300 90\nmidi 00503c90\ninvalidate\n"
                   "default move 300 20\ninvalidate\nstate 1 -1 300,39\n",
                   "", 0},
        ReplayCase{"OwnerOperations",
                   "maxnotes 3\nfixed 0 -1 7\nrange 2 6\ndown 100 90\nup 0 0\ndown 600 60\n"
                   "up 0 0\ndown 400 100\nup 0 0\nfixed 20 5 1\nrange -1 -1\nstate\nnotes\n"
                   "state\n",
                   "invalidate\ndefault down 100 90\ninvalidate\ndefault up 0 0\n"
                   "invalidate\ndefault down 600 60\ninvalidate\ndefault up 0 0\n"
                   "invalidate\ndefault down 400 100\ninvalidate\ndefault up 0 0\n"
                   "state 3 -1 255,88 535,60 400,95\nnotes 3 6 5 10\n"
                   "state 3 -1 255,88 400,95 535,60\n",
                   "", 0},
        ReplayCase{"FullStaffIgnoresAMiss", "down 300 90\nup 0 0\ndown 100 100\nstate\n",
                   "invalidate\ndefault down 300 90\ninvalidate\ndefault up 0 0\n"
                   "state 1 -1 300,88\n",
                   "", 0},
        ReplayCase{"MalformedLinesAreSkippedAndCounted",
                   "foo\ndown 1\ndown 1 2 3\ndown x 2\ndown 1 2x\ndown +1 2\ndown 40000 2\n"
                   "maxnotes 2147483648\nmaxnotes -2147483649\nclef soprano\nnotes 1\n"
                   "down 300 90 # press\nmaxnotes 2147483647\ndown 300 90\n",
                   "invalidate\ndefault down 300 90\n",
                   "error 1: unknown command 'foo'\n"
                   "error 2: usage: down X Y\n"
                   "error 3: usage: down X Y\n"
                   "error 4: X 'x' is not an integer\n"
                   "error 5: Y '2x' is not an integer\n"
                   "error 6: X '+1' is not an integer\n"
                   "error 7: X '40000' is outside -32768..32767\n"
                   "error 8: N '2147483648' is outside -2147483648..2147483647\n"
                   "error 9: N '-2147483649' is outside -2147483648..2147483647\n"
                   "error 10: CLEF must be treble|bass|alto|tenor, not 'soprano'\n"
                   "error 11: usage: notes\n"
                   "error 12: usage: down X Y\n",
                   1},
        ReplayCase{"ExtremeCoordinatesStayInsideTheStaff",
                   "down -32768 32767\nmove 32767 -32768\nup 0 0\nstate\n",
                   "invalidate\ndefault down -32768 32767\ninvalidate\n"
                   "state 1 -1 80,123\n",
                   "", 0},
        ReplayCase{"ErrorLinesEscapeControlsAndCutLongTokens",
                   "\x1b]0;title\x07\nclef tr\xc3\xa9"
                   "ble\xff\xc2\x9b\n"
                   "down " +
                       std::string(100, 'a') + " 0\n" + std::string(81, 'x') + "\n" +
                       std::string((1 << 20) + 1, '#') + "\nnotes\n",
                   "notes 0\n",
                   "error 1: unknown command '\\x1b]0;title\\x07'\n"
                   "error 2: CLEF must be treble|bass|alto|tenor, not 'tr\xc3\xa9"
                   "ble\\xff\\xc2\\x9b'\n"
                   "error 3: X '" +
                       std::string(80, 'a') +
                       "…' is not an integer\n"
                       "error 4: unknown command '" +
                       std::string(80, 'x') +
                       "…'\n"
                       "error 5: line longer than 1 MiB\n",
                   1},
        ReplayCase{"WindowsLineEndingsAndNoFinalNewline", "down 300 90\r\nstate",
                   "invalidate\ndefault down 300 90\nstate 1 0 300,90\n", "", 0}),
    CaseName);

// Rounds judged and timed: each drill once, its question, result and summary lines exact.
INSTANTIATE_TEST_SUITE_P(
    Practice, ReplayProcess,
    ::testing::Values(
        // Read: letters judged, times from the question, the right pitch after a miss.
        ReplayCase{
            "ReadRound",
            "practice read treble 1 13 3 7\nwait 1200\nanswer G\nnext\nwait 800\nanswer C\nnext\n"
            "answer E\nstats\n",
            "question 1 read treble 12\ninvalidate erase\nresult right 12 G 1200\n"
            "question 2 read treble 1\ninvalidate erase\nresult right 1 C 800\n"
            "question 3 read treble 2\ninvalidate erase\nresult wrong 2 E 0\nmidi 00503e90\n"
            "summary 2 3 800\nstats 1 1 1 800\nstats 2 1 0 0\nstats 3 0 0 0\nstats 4 0 0 0\n"
            "stats 5 0 0 0\nstats 6 0 0 0\nstats 7 0 0 0\nstats 8 0 0 0\nstats 9 0 0 0\n"
            "stats 10 0 0 0\nstats 11 0 0 0\nstats 12 1 1 1200\nstats 13 0 0 0\n",
            "", 0},
        // Place: confirmed by key, and by the release of a drag.
        ReplayCase{
            "PlaceRound",
            "practice place treble 1 13 2 1\nkey up\nconfirm\nnext\ndown 300 90\nmove 300 60\n"
            "wait 500\nup 300 60\nconfirm\n",
            "question 1 place treble 7\ninvalidate erase\nmidi 00504790\ninvalidate\n"
            "result right 7 7 0\nquestion 2 place treble 9\ninvalidate erase\ninvalidate\n"
            "default down 300 90\nmidi 00504c90\ninvalidate\ndefault move 300 60\ninvalidate\n"
            "default up 300 60\nresult wrong 9 10 500\nmidi 00504a90\nsummary 1 2 250\n",
            "error 9: no Place or Hear question waits for an answer\n", 1},
        // Wider ranges and the C clefs: the staff grows to hold the range, no note confirms
        // one step below it.
        ReplayCase{"AltoPlaceOnTwoLedgerLines",
                   "practice place alto -1 6 2 5\nkey up\nkey end\nconfirm\nnext\nwait 700\n"
                   "confirm\n",
                   "move 0 0 600 188\nquestion 1 place alto 1\ninvalidate erase\nmidi 00503c90\n"
                   "invalidate\nmidi 00502f90\ninvalidate\nresult wrong 1 -1 0\nmidi 00503290\n"
                   "question 2 place alto 5\ninvalidate erase\nresult wrong 5 -2 700\n"
                   "midi 00503990\nsummary 0 2 350\n",
                   "", 0},
        ReplayCase{"TenorReadOnFourLedgerLines",
                   "practice read tenor 16 19 1 3\nwait 900\nanswer C\nstats\n",
                   "move 0 0 600 244\nquestion 1 read tenor 17\ninvalidate erase\n"
                   "result wrong 17 C 900\nmidi 00504a90\nsummary 0 1 900\nstats 16 0 0 0\n"
                   "stats 17 1 0 900\nstats 18 0 0 0\nstats 19 0 0 0\n",
                   "", 0},
        ReplayCase{"TrebleHearFromD3ToG6",
                   "practice hear treble -5 19 1 4\nwait 400\nkey up\nkey end\nconfirm\n",
                   "move 0 0 600 244\nquestion 1 hear treble -2\ninvalidate erase\n"
                   "midi 00503790\nmidi 00504790\ninvalidate\nmidi 00503290\ninvalidate\n"
                   "result wrong -2 -5 400\nmidi 00503790\nsummary 0 1 400\n",
                   "", 0},
        // Hear: the time runs from the pitch, again counts for nothing.
        ReplayCase{
            "HearRound",
            "practice hear bass 4 6 2 9\nwait 300\nagain\nwait 200\nkey up\nwait 100\nconfirm\n"
            "next\nanswer C\n",
            "question 1 hear bass 5\ninvalidate erase\nmidi 00502f90\nmidi 00502f90\n"
            "midi 00503290\ninvalidate\nresult wrong 5 7 600\nmidi 00502f90\n"
            "question 2 hear bass 4\ninvalidate erase\nmidi 00502d90\n",
            "error 9: no Read question waits for an answer\n", 1},
        // Endless on one step; an unwritable file told once and the round goes on.
        ReplayCase{
            "EndlessRoundUnsaved",
            "history /\npractice read treble 5 5 endless 3\nanswer E\nnext\nwait 70000\nanswer G\n"
            "next\nstats\n",
            "question 1 read treble 5\ninvalidate erase\nresult wrong 5 E 0\nmidi 00504390\n"
            "question 2 read treble 5\ninvalidate erase\nresult right 5 G 70000\n"
            "question 3 read treble 5\ninvalidate erase\nstats 5 2 1 35000\n",
            "canzet-replay: answers are not saved to /: Is a directory\n", 0}),
    CaseName);

// Each naming system: Place's prompt in it, Read answered by a digit (do = 1) whatever the
// system, and the result line in letters all the same.
std::string NamedRounds(const std::string& prompt) {
    return "question 1 place treble 9\nprompt " + prompt +
           "\ninvalidate erase\nquestion 1 read treble 5\ninvalidate erase\n"
           "result right 5 G 0\nsummary 1 1 0\n";
}
const std::string kNamedScript =
    "practice place treble 9 9 1 1\npractice read treble 5 5 1 1\nanswer 5\n";

INSTANTIATE_TEST_SUITE_P(Names, ReplayProcess,
                         ::testing::Values(ReplayCase{"Letters", "names letters\n" + kNamedScript,
                                                      NamedRounds("D5"), "", 0},
                                           ReplayCase{"Solfege", "names solfege\n" + kNamedScript,
                                                      NamedRounds("高音re"), "", 0},
                                           ReplayCase{"Numbers", "names numbers\n" + kNamedScript,
                                                      NamedRounds("高音2"), "", 0},
                                           // Movable do: in G, 7 is the signature's F♯.
                                           ReplayCase{"NumbersInG",
                                                      "names numbers\npractice-key 1\n"
                                                      "practice place treble 11 11 1 1\n"
                                                      "practice read treble 11 11 1 1\nanswer 7\n",
                                                      "question 1 place treble 11 F#5\nprompt "
                                                      "中音7\ninvalidate erase\nquestion 1 read "
                                                      "treble 11 F#5\ninvalidate erase\nresult "
                                                      "right F#5 F#5 0\nsummary 1 1 0\n",
                                                      "", 0}),
                         CaseName);

}  // namespace
