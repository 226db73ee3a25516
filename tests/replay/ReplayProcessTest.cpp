// canzet-replay as a user runs it: a script on stdin, the transcript on stdout, malformed
// lines on stderr and the exit status.
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
                   "maxnotes 2147483648\nmaxnotes -2147483649\nclef alto\nnotes 1\n"
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
                   "error 10: CLEF must be treble|bass, not 'alto'\n"
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
                   "error 2: CLEF must be treble|bass, not 'tr\xc3\xa9"
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
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
