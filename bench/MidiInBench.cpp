// The MIDI input's figure, one `fact NAME=VALUE` line: from an input thread receiving a
// note-on's bytes to its result shown (the result line set and the feedback's note-on
// leaving PlayNote), through the program's path: decoding, the relay's posted work on Qt's
// event loop (offscreen), the echo and the practice round. Median of 200 wrong answers.
#include <QApplication>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <semaphore>
#include <thread>
#include <vector>

#include "app/KeyboardRelay.h"
#include "app/Language.h"
#include "app/PlayedKeys.h"
#include "app/PracticeTexts.h"
#include "input/midi/MidiInDecoder.h"
#include "platform/Resources.h"
#include "platform/qt/QtBackend.h"
#include "practice/PracticeRound.h"
#include "res/EmbeddedResources.h"
#include "staff/test/HeadlessStaff.h"

using Clock = std::chrono::steady_clock;

namespace {

constexpr int kNotes = 200;

// The practice dialog's part: the key answers, the result line is set, the right pitch sounds.
class ResultTimer : public practice::RoundObserver, public input::KeyListener {
  public:
    explicit ResultTimer(CStaffControl& staff) : m_staff(staff) {}
    void ShowQuestion(const practice::Question& question) override {
        wrongKey = question.Key() + 1;
    }
    void PlayKey(int key) override {
        m_staff.PlayNote(key);
        shown = Clock::now();
        done.release();
    }
    void ShowResult(const practice::AnswerResult& result) override {
        line = practice_texts::Result(result, round->Settings().NoStep());
    }
    void ShowSummary(const practice::RoundSummary&) override {}
    void ProgressNotSaved(const practice::SaveFailure&) override {}
    void KeyChanged(const input::KeyEvent& event) override {
        if (event.down) {
            round->AnswerKey(event.key, event.timeMs);
        }
    }

    practice::PracticeRound* round = nullptr;
    std::atomic<int> wrongKey{0};
    std::string line;
    Clock::time_point shown;
    std::binary_semaphore done{0};

  private:
    CStaffControl& m_staff;
};

}  // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    SetResourceBytes(EmbeddedResourceBytes());
    SetResourceLanguage(kEnglishResources, kChineseResources);
    QApplication application(argc, argv);
    HeadlessStaff headless;
    headless.Staff().InitMidi();
    QtBackend backend("Canzet", "Close");
    SetCurrentBackend(&backend);

    ResultTimer timer(headless.Staff());
    practice::History history;
    practice::SystemClock clock;
    practice::PracticeRound round(
        {.drill = practice::Drill::Read, .count = practice::RoundSettings::kEndless, .seed = 5},
        history, clock, nullptr, timer);
    timer.round = &round;
    round.Start();
    PlayedKeys().Listen(timer);
    CKeyboardRelay relay(PlayedKeys());

    std::vector<double> micros;
    std::thread input([&] {
        input::midi::MidiInDecoder decoder;
        for (int i = 0; i < kNotes; ++i) {
            const auto received = Clock::now();
            const auto key = static_cast<unsigned char>(timer.wrongKey);
            // The note-off (velocity 0) after the timed note-on, as a keyboard lets go.
            const unsigned char bytes[] = {0x90, key, 80, key, 0};
            for (const unsigned char byte : bytes) {
                if (const auto decoded = decoder.Feed(byte).key) {
                    relay.KeyPlayed({.key = decoded->key,
                                     .down = decoded->down,
                                     .timeMs = practice::SystemClock().MonotonicMs()});
                }
            }
            timer.done.acquire();
            micros.push_back(
                std::chrono::duration<double, std::micro>(timer.shown - received).count());
            std::binary_semaphore asked{0};
            backend.PostToWindowThread([&] {
                round.Next();
                asked.release();
            });
            asked.acquire();
        }
        backend.PostToWindowThread([] { QCoreApplication::quit(); });
    });
    QApplication::exec();
    input.join();
    PlayedKeys().StopListening(timer);
    SetCurrentBackend(&headless.backend);

    std::sort(micros.begin(), micros.end());
    std::printf("fact midi_in_last_result=%s\n", timer.line.c_str());
    std::printf("fact midi_in_to_result_us=%.1f\n", micros[micros.size() / 2]);
    return 0;
}
