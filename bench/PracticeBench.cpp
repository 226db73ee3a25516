// The practice engine's figures, one `fact NAME=VALUE` line each:
//   canzet_bench_practice next              choosing the next question, 100,000 answers held
//   canzet_bench_practice make FILE         writes a progress file of 100,000 answers
//   canzet_bench_practice load FILE         loading it: time and resident memory gained
//   canzet_bench_practice feedback          confirming input to the feedback's note-on
//   canzet_bench_practice make1m FILE       writes a progress file of 1,000,000 answers
//   canzet_bench_practice load1m FILE       loading it, with the due list and a year of
//                                           days: time, resident memory added, and choosing
// Loading runs in a process of its own, so that nothing before it lends it memory.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "practice/PracticeDays.h"
#include "practice/PracticeRound.h"
#include "practice/QuestionChooser.h"
#include "staff/test/HeadlessStaff.h"

using namespace practice;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kAnswers = 100'000;
constexpr int kYearsOfAnswers = 1'000'000;

double Micros(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A learner's long history: every drill and clef, about one answer in five wrong.
// With `spacingMs` between answers: 2 s for one long sitting, 95 s for years of practice.
std::vector<AnswerRecord> LongHistory(int count = kAnswers, std::int64_t spacingMs = 2000) {
    std::vector<AnswerRecord> answers;
    answers.reserve(static_cast<std::size_t>(count));
    QuestionChooser chooser(1);
    History history;
    std::optional<Question> previous;
    const RoundSettings settings{.drill = Drill::Place, .clef = ClefChoice::Both, .seed = 1};
    for (int i = 0; i < count; ++i) {
        const Question q = chooser.Next(settings, history, previous);
        const bool right = (i * 7 + q.step) % 5 != 0;
        const AnswerRecord a{.utcMs = 1796689050000 - (count - 1 - i) * spacingMs,
                             .drill = static_cast<Drill>(i % 3),
                             .clef = q.clef,
                             .asked = q.step,
                             .givenLetter = static_cast<Drill>(i % 3) == Drill::Read ? 'G' : '\0',
                             .givenStep = right ? q.step : 1,
                             .right = right,
                             .ms = 400 + (i * 37) % 3000};
        history.Add(a);
        answers.push_back(a);
        previous = q;
    }
    return answers;
}

long ResidentKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stol(line.substr(std::strlen(field)));
        }
    }
    return 0;
}

// The median time of the next question's choice, in microseconds, over 2001 questions.
double MedianNextUs(const RoundSettings& settings, const History& history) {
    QuestionChooser chooser(7);
    std::optional<Question> previous;
    std::vector<double> times;
    for (int i = 0; i < 2001; ++i) {
        const auto start = Clock::now();
        previous = chooser.Next(settings, history, previous);
        times.push_back(Micros(Clock::now() - start));
    }
    return Median(times);
}

void Next() {
    History history;
    for (const AnswerRecord& a : LongHistory()) {
        history.Add(a);
    }
    const RoundSettings settings{.drill = Drill::Hear, .clef = ClefChoice::Both, .seed = 7};
    std::printf("fact practice_next_us=%.2f\n", MedianNextUs(settings, history));
}

void Make(const char* file, int count, std::int64_t spacingMs) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const AnswerRecord& a : LongHistory(count, spacingMs)) {
        out << ToJsonLine(a) << '\n';
    }
}

// What the practice dialog and the progress view need of years of answers: the history,
// the due list and the last 365 days' totals; then the choice of the next question.
void LoadYears(const char* file) {
    const long before = ResidentKb("VmRSS:");
    const auto start = Clock::now();
    History history;
    ProgressFile progress(file);
    const LoadReport report = progress.Load(history, 0);
    const auto loaded = Clock::now();
    PracticeDays days = PracticeDays::Of(history);
    const int today = days.DayOf(history.Answers().back().utcMs);
    const RoundSettings settings{.drill = Drill::Place, .clef = ClefChoice::Both};
    const std::size_t due = days.Schedule().DueOn(today, settings).size();
    long answersInAYear = 0;
    for (int day = today - 364; day <= today; ++day) {
        answersInAYear += days.Totals().On(day).answers;
    }
    const auto ready = Clock::now();
    const long after = ResidentKb("VmRSS:");
    std::printf("fact practice_load_1m_answers=%d due=%zu year_answers=%ld\n", report.kept, due,
                answersInAYear);
    std::printf("fact practice_load_1m_history_ms=%.1f\n", Micros(loaded - start) / 1000);
    std::printf("fact practice_load_1m_ms=%.1f\n", Micros(ready - start) / 1000);
    std::printf("fact practice_load_1m_mb=%.1f\n", static_cast<double>(after - before) / 1024);
    std::printf("fact practice_load_1m_peak_mb=%.1f\n",
                static_cast<double>(ResidentKb("VmHWM:") - before) / 1024);
    std::printf("fact practice_next_1m_us=%.2f\n", MedianNextUs(settings, history));
}

void Load(const char* file) {
    const long before = ResidentKb("VmRSS:");
    History history;
    ProgressFile progress(file);
    // Processor time as well as the clock's: on the shared build machine other processes'
    // turns land in the second.
    const std::clock_t cpuStart = std::clock();
    const auto start = Clock::now();
    const LoadReport report = progress.Load(history, 0);
    const double ms = Micros(Clock::now() - start) / 1000;
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const long peak = ResidentKb("VmHWM:");
    std::printf("fact practice_load_answers=%d\n", report.kept);
    std::printf("fact practice_load_ms=%.1f\n", cpuMs);
    std::printf("fact practice_load_wall_ms=%.1f\n", ms);
    std::printf("fact practice_load_mb=%.1f\n", static_cast<double>(peak - before) / 1024);
}

// Stops the clock when the feedback's note-on has left PlayNote.
class FeedbackTimer : public RoundObserver {
  public:
    explicit FeedbackTimer(CStaffControl& staff) : m_staff(staff) {}
    void ShowQuestion(const Question&) override {}
    void PlayKey(int key) override {
        m_staff.PlayNote(key);
        played = Clock::now();
    }
    void ShowResult(const AnswerResult&) override {}
    void ShowSummary(const RoundSummary&) override {}
    void ProgressNotSaved(const SaveFailure&) override {}

    Clock::time_point played;

  private:
    CStaffControl& m_staff;
};

// A Place round whose every answer is wrong, saved to a real file as the program saves it.
void Feedback() {
    HeadlessStaff headless;
    headless.Staff().InitMidi();
    FeedbackTimer timer(headless.Staff());
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "canzet-bench-feedback.jsonl";
    std::filesystem::remove(file);
    ProgressFile progress(file);
    History history;
    SystemClock clock;
    PracticeRound round({.drill = Drill::Place, .count = RoundSettings::kEndless, .seed = 3},
                        history, clock, &progress, timer);
    round.Start();
    std::vector<double> times;
    for (int i = 0; i < 301; ++i) {
        const int wrong = round.Current().step == 1 ? 2 : 1;
        const auto start = Clock::now();
        round.ConfirmStep(wrong);
        times.push_back(Micros(timer.played - start));
        round.Next();
    }
    std::filesystem::remove(file);
    std::printf("fact practice_feedback_us=%.2f\n", Median(times));
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "next" && argc == 2) {
        Next();
    } else if (what == "make" && argc == 3) {
        Make(argv[2], kAnswers, 2000);
    } else if (what == "make1m" && argc == 3) {
        Make(argv[2], kYearsOfAnswers, 95'000);
    } else if (what == "load1m" && argc == 3) {
        LoadYears(argv[2]);
    } else if (what == "load" && argc == 3) {
        Load(argv[2]);
    } else if (what == "feedback" && argc == 2) {
        Feedback();
    } else {
        std::fprintf(stderr,
                     "usage: canzet_bench_practice next|make FILE|load FILE|feedback|"
                     "make1m FILE|load1m FILE\n");
        return 2;
    }
    return 0;
}
