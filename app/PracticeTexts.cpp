#include "app/PracticeTexts.h"

#include <cstdlib>

#include "app/PracticeNameTexts.h"
#include "platform/CString.h"
#include "res/resource.h"
#include "staff/StaffControl.h"

namespace practice_texts {

namespace {
constexpr int kMsPerTenth = 100;
constexpr int kTenthsPerSecond = 10;

// Whether the question or the answer carries a sign: the names are then written with
// their signs, and an answer that sounds right but is spelled otherwise is told so.
bool Signed(const practice::AnswerResult& result) {
    const practice::Question& q = result.question;
    const practice::AnswerRecord& a = result.answer;
    return q.accidental != staff::Accidental::None || q.signature != 0 || a.givenAlter != 0 ||
           a.givenAccidental != staff::Accidental::None;
}

std::string SignedGivenName(const practice::AnswerResult& result, int noStep) {
    if (result.question.drill != practice::Drill::Read && result.answer.givenStep == noStep) {
        return "-";
    }
    const bool naturalShown = result.question.drill != practice::Drill::Read &&
                              result.answer.givenAccidental == staff::Accidental::Natural;
    return staff::NameOf(practice::GivenPitchOf(result.question, result.answer), naturalShown,
                         PitchWords());
}

std::string GivenName(const practice::AnswerResult& result, int noStep) {
    if (result.answer.givenKey >= 0) {
        return KeyName(result.answer.givenKey);
    }
    if (result.question.drill == practice::Drill::Read) {
        return std::string(1, result.answer.givenLetter);
    }
    // The staff held no note when the answer was confirmed.
    if (result.answer.givenStep == noStep) {
        return "-";
    }
    return practice::PitchNameOf(result.answer.givenStep, result.question.clef);
}
}  // namespace

std::string KeyName(int key) {
    const std::string octave = std::to_string(practice::KeyOctave(key));
    const std::string letter(1, practice::KeyLetter(key));
    if (!practice::IsSharpKey(key)) {
        return letter + octave;
    }
    CString text;
    text.Format(LoadText(IDS_SHARP_NAME).c_str(), letter.c_str(), octave.c_str());
    return text.str();
}

std::string LoadText(unsigned id) {
    CString text;
    text.LoadString(id);
    return text.str();
}

std::string StepName(int step, practice::ClefChoice clef) {
    switch (clef) {
        case practice::ClefChoice::Treble:
            return practice::PitchNameOf(step, practice::Clef::Treble);
        case practice::ClefChoice::Bass:
            return practice::PitchNameOf(step, practice::Clef::Bass);
        case practice::ClefChoice::Alto:
            return practice::PitchNameOf(step, practice::Clef::Alto);
        case practice::ClefChoice::Tenor:
            return practice::PitchNameOf(step, practice::Clef::Tenor);
        case practice::ClefChoice::Both:
            break;
    }
    CString text;
    text.Format(LoadText(IDS_STEP_BOTH_CLEFS).c_str(),
                practice::PitchNameOf(step, practice::Clef::Treble).c_str(),
                practice::PitchNameOf(step, practice::Clef::Bass).c_str());
    return text.str();
}

std::string Seconds(int ms) {
    const int tenths = (ms + kMsPerTenth / 2) / kMsPerTenth;
    return std::to_string(tenths / kTenthsPerSecond) + "." +
           std::to_string(tenths % kTenthsPerSecond);
}

std::string Prompt(const practice::Question& question) {
    switch (question.drill) {
        case practice::Drill::Read:
            return LoadText(IDS_PROMPT_READ);
        case practice::Drill::Hear:
            return LoadText(IDS_PROMPT_HEAR);
        case practice::Drill::Place:
            break;
    }
    const bool sign =
        question.Pitch().alter != 0 || question.accidental == staff::Accidental::Natural;
    CString text;
    text.Format(LoadText(sign ? IDS_PROMPT_PLACE_SIGN : IDS_PROMPT_PLACE).c_str(),
                question.PitchName(PitchWords()).c_str());
    return text.str();
}

std::string Result(const practice::AnswerResult& result, int noStep, bool sung,
                   staff::NameSystem names) {
    CString text;
    const std::string asked = AskedWords(result.question, names);
    if (result.answer.right) {
        text.Format(LoadText(IDS_RESULT_RIGHT).c_str(), asked.c_str(),
                    Seconds(result.answer.ms).c_str());
    } else if (Signed(result) && result.answer.givenKey < 0) {
        // Named or placed: the spelling counts, and the same key spelled otherwise is told so.
        const bool noNote =
            result.question.drill != practice::Drill::Read && result.answer.givenStep == noStep;
        const bool sameKey =
            !noNote && staff::KeyOf(practice::GivenPitchOf(result.question, result.answer)) ==
                           result.question.Key();
        text.Format(LoadText(sameKey ? IDS_RESULT_ENHARMONIC : IDS_RESULT_WRONG).c_str(),
                    asked.c_str(),
                    GivenWords(result, SignedGivenName(result, noStep), noStep, names).c_str());
    } else {
        const UINT words = sung                          ? IDS_RESULT_WRONG_SUNG
                           : result.answer.givenKey >= 0 ? IDS_RESULT_WRONG_PLAYED
                                                         : IDS_RESULT_WRONG;
        text.Format(LoadText(words).c_str(), asked.c_str(),
                    GivenWords(result, GivenName(result, noStep), noStep, names).c_str());
    }
    return text.str();
}

std::string Score(int number, int count, int right, int inARow) {
    CString text;
    if (count > 0) {
        text.Format(LoadText(IDS_SCORE).c_str(), number, count, right, inARow);
    } else {
        text.Format(LoadText(IDS_SCORE_ENDLESS).c_str(), number, right, inARow);
    }
    return text.str();
}

std::string Summary(const practice::RoundSummary& summary,
                    const std::vector<practice::StepStatistics>& weakest, practice::ClefChoice clef,
                    int signature, staff::NameSystem system) {
    const std::string separator = LoadText(IDS_LIST_SEPARATOR);
    std::string names;
    for (const practice::StepStatistics& step : weakest) {
        names += (names.empty() ? "" : separator) + StepWords(step.step, clef, signature, system);
    }
    CString text;
    text.Format(LoadText(IDS_SUMMARY).c_str(), summary.right, summary.total,
                Seconds(summary.medianMs).c_str(), names.c_str());
    return text.str();
}

std::string StepProgress(const practice::StepStatistics& step, const std::string& name) {
    CString text;
    if (step.answers == 0) {
        text.Format(LoadText(IDS_PROGRESS_UNANSWERED).c_str(), name.c_str());
    } else {
        text.Format(LoadText(IDS_PROGRESS_STEP).c_str(), name.c_str(), step.PercentRight(),
                    Seconds(step.medianMs).c_str());
    }
    return text.str();
}

std::string MajorKeyName(int signature) {
    // The major key's tonic: a fifth up for each sharp, a fifth down for each flat.
    static constexpr const char* kSharpKeys[] = {"C", "G", "D", "A", "E", "B", "F", "C"};
    static constexpr const char* kFlatKeys[] = {"C", "F", "B", "E", "A", "D", "G", "C"};
    const int count = std::abs(signature);
    const std::string letter = signature >= 0 ? kSharpKeys[count] : kFlatKeys[count];
    const staff::NameWords words = PitchWords();
    std::string pattern = signature > 5 ? words.sharp : signature < -1 ? words.flat : "%s";
    pattern.replace(pattern.find("%s"), 2, letter);
    const std::size_t octave = pattern.find("%d");
    if (octave != std::string::npos) {
        pattern.erase(octave, 2);
    }
    CString text;
    text.Format(LoadText(IDS_KEY_MAJOR).c_str(), pattern.c_str());
    return text.str();
}

std::string NotSaved(const practice::SaveFailure& failure) {
    UINT reason = IDS_SAVE_OTHER;
    switch (failure.problem) {
        case practice::SaveProblem::NoPermission:
            reason = IDS_SAVE_NO_PERMISSION;
            break;
        case practice::SaveProblem::DiskFull:
            reason = IDS_SAVE_DISK_FULL;
            break;
        case practice::SaveProblem::NotAFile:
            reason = IDS_SAVE_NOT_A_FILE;
            break;
        case practice::SaveProblem::Other:
            break;
    }
    std::string why = LoadText(reason);
    if (failure.problem == practice::SaveProblem::Other) {
        why += failure.detail;
    }
    const std::u8string file = failure.file.u8string();
    CString text;
    text.Format(LoadText(IDS_PROGRESS_NOT_SAVED).c_str(),
                std::string(file.begin(), file.end()).c_str(), why.c_str());
    return text.str();
}

std::string ChartDays(int days) {
    CString text;
    text.Format(LoadText(IDS_CHART_DAYS).c_str(), days);
    return text.str();
}

std::string ChartWords(const practice::ChartFigures& figures) {
    CString text;
    text.Format(LoadText(IDS_CHART_WORDS).c_str(), static_cast<int>(figures.days.size()),
                figures.practisedDays, figures.notesPerMinute, figures.percentRight);
    return text.str();
}

}  // namespace practice_texts
