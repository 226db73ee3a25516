// The practice dialog's rounds: one after another under the learner's choices, each kept in
// the learner's history and progress file, and the choices kept for the next start.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/PracticeSetup.h"
#include "practice/History.h"
#include "practice/PracticeClock.h"
#include "practice/PracticeRound.h"
#include "practice/ProgressFile.h"
#include "practice/RoundObserver.h"

class CPracticeRounds {
  public:
    CPracticeRounds(const PracticeSetup& setup, practice::RoundObserver& observer);
    ~CPracticeRounds();

    // Reads the progress file and the last choices; messages about the file go to stderr.
    void Open();
    void Start();
    // True when a running round ended with a summary, that is, with anything answered.
    bool Stop();
    // The choices for the next round, kept beside the progress file.
    void Choose(const practice::RoundSettings& settings);

    const practice::RoundSettings& Settings() const { return m_settings; }
    const practice::History& History() const { return m_history; }
    // The round asking now, or the last one; none before the first starts.
    practice::PracticeRound* Round() const { return m_round.get(); }

  private:
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
};
