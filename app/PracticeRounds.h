// The practice dialog's rounds: one after another under the learner's choices, each kept in
// the learner's history and progress file, and the choices kept for the next start.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "app/PracticeSetup.h"
#include "platform/CWnd.h"
#include "practice/History.h"
#include "practice/NoteKey.h"
#include "practice/PracticeClock.h"
#include "practice/PracticeRound.h"
#include "practice/ProgressFile.h"
#include "practice/RoundObserver.h"

// Posted to the practice dialog when the history read in the background is there (WM_APP + 35).
inline constexpr UINT kHistoryLoaded = 0x8000 + 35;

class CPracticeRounds {
  public:
    CPracticeRounds(const PracticeSetup& setup, practice::RoundObserver& observer);
    ~CPracticeRounds();

    // Reads the progress file and the last choices; messages about the file go to stderr.
    // A long file without a summary that matches it is read on a thread of its own
    // ("canzet-history"), while rounds start on what is known: when it is read,
    // kHistoryLoaded is posted to `notify`, whose thread then calls Adopt.
    void Open(CWnd& notify);
    // Takes the history read in the background, with the answers given meanwhile; false
    // when there is none.
    bool Adopt();
    // Waits for the background read, if any: before the window it posts to goes.
    void WaitForLoad();
    void Start();
    // What each round asks first (today's review), asked as it starts.
    void SetAskFirst(
        std::function<std::vector<practice::NoteKey>(const practice::RoundSettings&)> askFirst) {
        m_askFirst = std::move(askFirst);
    }
    // True when a running round ended with a summary, that is, with anything answered.
    bool Stop();
    // The choices for the next round, kept beside the progress file.
    void Choose(const practice::RoundSettings& settings);

    const practice::RoundSettings& Settings() const { return m_settings; }
    const practice::History& History() const { return m_history; }
    // Where the choices are kept; empty when nothing is.
    std::filesystem::path ChoicesFile() const;
    practice::PracticeClock& Clock() const { return m_clock; }
    const std::filesystem::path& ProgressPath() const { return m_progressPath; }
    // The round asking now, or the last one; none before the first starts.
    practice::PracticeRound* Round() const { return m_round.get(); }

  private:
    void LoadChoices();

    PracticeSetup m_setup;
    practice::RoundObserver& m_observer;
    std::filesystem::path m_progressPath;
    practice::SystemClock m_systemClock;
    practice::PracticeClock& m_clock;
    practice::History m_history;
    std::optional<practice::ProgressFile> m_progressFile;
    practice::RoundSettings m_settings;
    std::unique_ptr<practice::PracticeRound> m_round;
    std::uint64_t m_nRounds = 0;
    std::function<std::vector<practice::NoteKey>(const practice::RoundSettings&)> m_askFirst;
    std::thread m_loader;
    practice::History m_loaded;  // written by the loader until it posts, then read here
};
