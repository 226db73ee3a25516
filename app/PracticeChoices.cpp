#include "app/PracticeChoices.h"

#include <array>
#include <string>

#include "app/PracticeTexts.h"
#include "res/resource.h"

namespace {
constexpr std::array<practice::Drill, 3> kDrills = {practice::Drill::Read, practice::Drill::Place,
                                                    practice::Drill::Hear};
constexpr std::array<UINT, 3> kDrillNames = {IDS_DRILL_READ, IDS_DRILL_PLACE, IDS_DRILL_HEAR};
constexpr std::array<practice::ClefChoice, 3> kClefs = {
    practice::ClefChoice::Treble, practice::ClefChoice::Bass, practice::ClefChoice::Both};
constexpr std::array<UINT, 3> kClefNames = {IDS_CLEF_TREBLE, IDS_CLEF_BASS, IDS_CLEF_BOTH};
constexpr std::array<int, 4> kLengths = {10, 20, 50, practice::RoundSettings::kEndless};
constexpr int kDefaultLength = 1;

template <typename T, std::size_t N>
int IndexOf(const std::array<T, N>& values, T value, int fallback) {
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == value) {
            return static_cast<int>(i);
        }
    }
    return fallback;
}

template <typename T, std::size_t N>
T At(const std::array<T, N>& values, int index) {
    return values[index >= 0 && static_cast<std::size_t>(index) < N
                      ? static_cast<std::size_t>(index)
                      : 0];
}
}  // namespace

void CPracticeChoices::Exchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_DRILL, m_cboDrill);
    DDX_Control(pDX, IDC_CLEF, m_cboClef);
    DDX_Control(pDX, IDC_LOWEST, m_cboLowest);
    DDX_Control(pDX, IDC_HIGHEST, m_cboHighest);
    DDX_Control(pDX, IDC_LENGTH, m_cboLength);
}

void CPracticeChoices::Fill() {
    for (const UINT id : kDrillNames) {
        m_cboDrill.AddString(practice_texts::LoadText(id).c_str());
    }
    for (const UINT id : kClefNames) {
        m_cboClef.AddString(practice_texts::LoadText(id).c_str());
    }
    for (const int length : kLengths) {
        m_cboLength.AddString(length == practice::RoundSettings::kEndless
                                  ? practice_texts::LoadText(IDS_LENGTH_ENDLESS).c_str()
                                  : std::to_string(length).c_str());
    }
}

void CPracticeChoices::FillRange(const practice::RoundSettings& settings) {
    m_cboLowest.ResetContent();
    m_cboHighest.ResetContent();
    for (int step = practice::kLowestStep; step <= practice::kHighestStep; ++step) {
        const std::string name = practice_texts::StepName(step, settings.clef);
        m_cboLowest.AddString(name.c_str());
        m_cboHighest.AddString(name.c_str());
    }
    m_cboLowest.SetCurSel(settings.lowStep - practice::kLowestStep);
    m_cboHighest.SetCurSel(settings.highStep - practice::kLowestStep);
}

void CPracticeChoices::Show(const practice::RoundSettings& settings) {
    m_cboDrill.SetCurSel(IndexOf(kDrills, settings.drill, 0));
    m_cboClef.SetCurSel(IndexOf(kClefs, settings.clef, 0));
    m_cboLength.SetCurSel(IndexOf(kLengths, settings.count, kDefaultLength));
    FillRange(settings);
}

// A range given upside down keeps the step just chosen and meets it with the other end.
practice::RoundSettings CPracticeChoices::Read(const practice::RoundSettings& current) const {
    practice::RoundSettings settings = current;
    settings.drill = At(kDrills, m_cboDrill.GetCurSel());
    settings.clef = At(kClefs, m_cboClef.GetCurSel());
    settings.count = At(kLengths, m_cboLength.GetCurSel());
    const int low = m_cboLowest.GetCurSel() + practice::kLowestStep;
    const int high = m_cboHighest.GetCurSel() + practice::kLowestStep;
    if (low > high) {
        const bool lowChanged = low != current.lowStep;
        settings.lowStep = lowChanged ? low : high;
        settings.highStep = lowChanged ? low : high;
    } else {
        settings.lowStep = low;
        settings.highStep = high;
    }
    return settings;
}
