#include "app/PracticeRounds.h"

#ifndef _WIN32
#include <pthread.h>
#endif

#include <cstdio>
#include <string>

#include "practice/HistoryMerge.h"
#include "practice/HistorySummary.h"
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
    WaitForLoad();
    m_round.reset();
}

namespace {

// Parsing this many bytes (some 40,000 answers) would hold up the first question.
constexpr std::uintmax_t kReadInTheBackgroundFrom = 4 << 20;

void PrintLoadMessages(const practice::LoadReport& report) {
    for (const std::string& line : practice::LoadMessages(report)) {
        std::fprintf(stderr, "canzet: %s\n", line.c_str());
    }
}

}  // namespace

void CPracticeRounds::Open(CWnd& notify) {
    if (m_progressPath.empty()) {
        return;
    }
    m_progressFile.emplace(m_progressPath);
#if defined(_WIN32)
    // The Windows build's C++ library has no threads: the file is read here.
    (void)notify;
#else
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(m_progressPath, error);
    if (!error && size >= kReadInTheBackgroundFrom &&
        !practice::HistorySummary::Matches(m_progressPath)) {
        m_progressFile->LookAtTheEnd();
        m_loader = std::thread([this, &notify, now = m_clock.UtcMs()] {
            pthread_setname_np(pthread_self(), "canzet-history");
            // A file of its own: the window's thread appends to the other meanwhile.
            practice::ProgressFile file(m_progressPath);
            PrintLoadMessages(file.Load(m_loaded, now));
            notify.PostMessage(kHistoryLoaded);
        });
        LoadChoices();
        return;
    }
#endif
    PrintLoadMessages(m_progressFile->Load(m_history, m_clock.UtcMs()));
    LoadChoices();
}

void CPracticeRounds::LoadChoices() {
    m_settings = practice::LoadLastChoices(practice::ChoicesFileBeside(m_progressPath))
                     .value_or(practice::RoundSettings{});
}

void CPracticeRounds::WaitForLoad() {
    if (m_loader.joinable()) {
        m_loader.join();
    }
}

bool CPracticeRounds::Adopt() {
    if (!m_loader.joinable()) {
        return false;
    }
    m_loader.join();
    const std::size_t roundAnswers = m_round ? m_round->Answers().size() : 0;
    m_history = practice::Merged(std::move(m_loaded), m_history.Answers());
    m_loaded = practice::History();
    if (m_round) {
        m_round->HistoryReplaced(m_history.Answers().size() - roundAnswers);
    }
    return true;
}

void CPracticeRounds::Start() {
    m_settings.seed =
        m_setup.seed ? *m_setup.seed + m_nRounds : static_cast<std::uint64_t>(m_clock.UtcMs());
    ++m_nRounds;
    m_round.reset();
    m_round = std::make_unique<practice::PracticeRound>(
        m_settings, m_history, m_clock, m_progressFile ? &*m_progressFile : nullptr, m_observer);
    if (m_askFirst) {
        m_round->AskFirst(m_askFirst(m_settings));
    }
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

std::filesystem::path CPracticeRounds::ChoicesFile() const {
    return m_progressPath.empty() ? std::filesystem::path()
                                  : practice::ChoicesFileBeside(m_progressPath);
}
