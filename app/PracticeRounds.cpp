#include "app/PracticeRounds.h"

#include <cstdio>
#include <string>

#include "practice/LastChoices.h"
#include "practice/ProgressFolder.h"

CPracticeRounds::CPracticeRounds(const PracticeSetup& setup, practice::RoundObserver& observer)
    : m_setup(setup),
      m_observer(observer),
      m_progressPath(setup.progressFile.empty() ? practice::DefaultProgressFile()
                                                : setup.progressFile),
      m_clock(setup.clock != nullptr ? *setup.clock : m_systemClock) {}

// The round goes before the history and file it writes to.
CPracticeRounds::~CPracticeRounds() {
    m_round.reset();
}

void CPracticeRounds::Open() {
    if (m_progressPath.empty()) {
        return;
    }
    m_progressFile.emplace(m_progressPath);
    for (const std::string& line :
         practice::LoadMessages(m_progressFile->Load(m_history, m_clock.UtcMs()))) {
        std::fprintf(stderr, "canzet: %s\n", line.c_str());
    }
    m_settings = practice::LoadLastChoices(practice::ChoicesFileBeside(m_progressPath))
                     .value_or(practice::RoundSettings{});
}

void CPracticeRounds::Start() {
    m_settings.seed =
        m_setup.seed ? *m_setup.seed + m_nRounds : static_cast<std::uint64_t>(m_clock.UtcMs());
    ++m_nRounds;
    m_round.reset();
    m_round = std::make_unique<practice::PracticeRound>(
        m_settings, m_history, m_clock, m_progressFile ? &*m_progressFile : nullptr, m_observer);
    m_round->Start();
}

bool CPracticeRounds::Stop() {
    if (!m_round || m_round->State() == practice::RoundState::Finished) {
        return false;
    }
    m_round->Stop();
    return m_round->Answered() > 0;
}

void CPracticeRounds::Choose(const practice::RoundSettings& settings) {
    m_settings = settings;
    if (!m_progressPath.empty()) {
        practice::SaveLastChoices(practice::ChoicesFileBeside(m_progressPath), m_settings);
    }
}
