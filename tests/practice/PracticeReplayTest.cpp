// Rounds judged and timed, run from scripts through canzet-replay as a process, as another
// program drives it: each drill once, its question, result and summary lines exact.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

struct ReplayRun {
    std::string out, err;
    int status;
};

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

ReplayRun Replay(const std::string& script) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("canzet-practice-replay-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << script;
    const std::string command = std::string("'") + CANZET_REPLAY + "' < '" + (dir / "in").string() +
                                "' > '" + (dir / "out").string() + "' 2> '" +
                                (dir / "err").string() + "'";
    const int raw = std::system(command.c_str());
    ReplayRun run{Slurp(dir / "out"), Slurp(dir / "err"), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
    std::filesystem::remove_all(dir);
    return run;
}

struct RoundCase {
    const char* name;
    std::string script, out, err;
    int status;
};

const RoundCase kRounds[] = {
    {"read: letters judged, times from the question, the right pitch after a miss",
     "practice read treble 1 13 3 7\nwait 1200\nanswer G\nnext\nwait 800\nanswer C\nnext\n"
     "answer E\nstats\n",
     "question 1 read treble 12\ninvalidate erase\nresult right 12 G 1200\n"
     "question 2 read treble 1\ninvalidate erase\nresult right 1 C 800\n"
     "question 3 read treble 2\ninvalidate erase\nresult wrong 2 E 0\nmidi 00503e90\n"
     "summary 2 3 800\nstats 1 1 1 800\nstats 2 1 0 0\nstats 3 0 0 0\nstats 4 0 0 0\n"
     "stats 5 0 0 0\nstats 6 0 0 0\nstats 7 0 0 0\nstats 8 0 0 0\nstats 9 0 0 0\n"
     "stats 10 0 0 0\nstats 11 0 0 0\nstats 12 1 1 1200\nstats 13 0 0 0\n",
     "", 0},
    {"place: confirmed by key, and by the release of a drag",
     "practice place treble 1 13 2 1\nkey up\nconfirm\nnext\ndown 300 90\nmove 300 60\n"
     "wait 500\nup 300 60\nconfirm\n",
     "question 1 place treble 7\ninvalidate erase\nmidi 00504790\ninvalidate\n"
     "result right 7 7 0\nquestion 2 place treble 9\ninvalidate erase\ninvalidate\n"
     "default down 300 90\nmidi 00504c90\ninvalidate\ndefault move 300 60\ninvalidate\n"
     "default up 300 60\nresult wrong 9 10 500\nmidi 00504a90\nsummary 1 2 250\n",
     "error 9: no Place or Hear question waits for an answer\n", 1},
    {"hear: the time runs from the pitch, again counts for nothing",
     "practice hear bass 4 6 2 9\nwait 300\nagain\nwait 200\nkey up\nwait 100\nconfirm\n"
     "next\nanswer C\n",
     "question 1 hear bass 5\ninvalidate erase\nmidi 00502f90\nmidi 00502f90\n"
     "midi 00503290\ninvalidate\nresult wrong 5 7 600\nmidi 00502f90\n"
     "question 2 hear bass 4\ninvalidate erase\nmidi 00502d90\n",
     "error 9: no Read question waits for an answer\n", 1},
    {"endless on one step; an unwritable file told once and the round goes on",
     "history /\npractice read treble 5 5 endless 3\nanswer E\nnext\nwait 70000\nanswer G\n"
     "next\nstats\n",
     "question 1 read treble 5\ninvalidate erase\nresult wrong 5 E 0\nmidi 00504390\n"
     "question 2 read treble 5\ninvalidate erase\nresult right 5 G 70000\n"
     "question 3 read treble 5\ninvalidate erase\nstats 5 2 1 35000\n",
     "canzet-replay: answers are not saved to /: Is a directory\n", 0},
};

class PracticeReplay : public ::testing::TestWithParam<RoundCase> {};

TEST_P(PracticeReplay, PrintsEachQuestionResultAndSummary) {
    const RoundCase& c = GetParam();
    const ReplayRun run = Replay(c.script);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(Rounds, PracticeReplay, ::testing::ValuesIn(kRounds));

}  // namespace
