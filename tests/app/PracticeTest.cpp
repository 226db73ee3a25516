// The practice dialog on the headless backend, opened from the main dialog's system menu:
// its controls bound from the template in either language, and one seeded round of each
// drill, answered as a user would, with its prompt, result and score lines exact.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string_view>

#include "app/Canzet.h"
#include "app/Language.h"
#include "midi/test/TestMidiDevice.h"
#include "platform/CDialog.h"
#include "platform/CWinApp.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/HeadlessWindow.h"
#include "practice/PracticeClock.h"
#include "practice/Question.h"
#include "res/resource.h"
#include "staff/NoteNames.h"
#include "staff/StaffControl.h"
#include "staff/StaffGeometry.h"
#include "staff/test/ScopedCurrent.h"
#include "tests/support/DialogUser.h"

namespace {

using practice::Clef;

std::string Printed(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printed(const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    return text;
}

// The treble step whose pitch name the text holds (names are no substrings of each other).
int StepNamedIn(const std::string& text) {
    for (int step = 1; step <= 13; ++step) {
        if (text.find(practice::PitchNameOf(step, Clef::Treble)) != std::string::npos) {
            return step;
        }
    }
    return 0;
}

class PracticeUser : public DialogUser<HeadlessWindow> {
  public:
    using DialogUser::DialogUser;

    HeadlessWindow& Item(int id) { return static_cast<HeadlessWindow&>(*m_dialog.Control(id)); }
    std::string Text(int id) { return Item(id).Text(); }
    void Click(int id) { m_dialog.Deliver(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    void Choose(int id, int index) {
        Item(id).SelectListItem(index);
        m_dialog.Deliver(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), 0);
    }
    void Mouse(UINT message, int y) {
        Item(IDC_PRACTICE_STAFF)
            .Deliver(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(300, y));
    }
    void Key(int key) { Item(IDC_PRACTICE_STAFF).Deliver(WM_KEYDOWN, key, 1); }
    int LastKeySounded(const TestMidiDevice& midi) {
        return static_cast<int>((midi.Messages().back() >> 8) & 0x7F);
    }
};

class Practice : public ::testing::Test {
  protected:
    void SetUp() override {
        m_folder =
            std::filesystem::temp_directory_path() /
            ("canzet-practice-" +
             std::to_string(::testing::UnitTest::GetInstance()->current_test_info()->line()));
        std::filesystem::remove_all(m_folder);
        theApp.m_practiceSetup.progressFile = m_folder / "practice.jsonl";
        theApp.m_practiceSetup.clock = &clock;
        theApp.m_practiceSetup.seed = 7;
    }
    void TearDown() override {
        theApp.m_practiceSetup = PracticeSetup{};
        UseLanguage(Language::Chinese);
        std::filesystem::remove_all(m_folder);
    }

    // Places a note on the main staff, opens Practice from the system menu and runs the
    // script in it; after it closes, the main staff must be as it was, and sounding.
    void Run(Language language, const std::function<void(PracticeUser&)>& script) {
        UseLanguage(language);
        m_backend.SetModalDriver([&](CDialog& dialog, HeadlessWindow& window) {
            if (dialog.TemplateId() == IDD_PRACTICE) {
                PracticeUser user(window);
                script(user);
                user.Click(IDCANCEL);
                return;
            }
            auto& staff = dynamic_cast<CStaffControl&>(*window.Control(IDC_STAFF)->GetOwner());
            staff.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 81));
            staff.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(300, 81));
            window.Deliver(WM_SYSCOMMAND, IDM_PRACTICE, 0);
            EXPECT_EQ(staff.NoteCount(), 1);
            EXPECT_EQ(staff.NoteCentre(0), CPoint(300, 81));
            EXPECT_TRUE(midi.IsOpen());
            window.Deliver(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        AfxWinMain();
    }

    practice::ManualClock clock;
    TestMidiDevice midi;

  private:
    std::filesystem::path m_folder;
    CallLog m_log;
    HeadlessBackend m_backend{m_log};
    ScopedBackend m_currentBackend{&m_backend};
    ScopedMidiMapperDevice m_mapperDevice{&midi};
};

TEST_F(Practice, ControlsComeFromTheTemplateInEitherLanguageAndChoicesAreRemembered) {
    struct Case {
        Language language;
        std::vector<std::string> drills, clefs, lengths;
        std::string prompt, score, check;
    };
    for (const Case& c : {
             Case{Language::Chinese,
                  {"读谱", "找位置", "听音"},
                  {"高音谱号", "低音谱号", "中音谱号", "次中音谱号", "两种"},
                  {"10", "20", "50", "不限"},
                  "这是什么音？",
                  "第 1/20 题 · 对 0 · 连对 0",
                  "确定"},
             Case{Language::English,
                  {"Read", "Place", "Hear"},
                  {"Treble", "Bass", "Alto", "Tenor", "Both"},
                  {"10", "20", "50", "Endless"},
                  "Which note is this?",
                  "Question 1 of 20 · 0 right · 0 in a row",
                  "Check"},
         }) {
        SetUp();
        Run(c.language, [&](PracticeUser& user) {
            EXPECT_EQ(user.Item(IDC_DRILL).ListItems(), c.drills);
            EXPECT_EQ(user.Item(IDC_CLEF).ListItems(), c.clefs);
            EXPECT_EQ(user.Item(IDC_LENGTH).ListItems(), c.lengths);
            EXPECT_EQ(user.Item(IDC_LOWEST).ListItems().front(), "C4");
            EXPECT_EQ(user.Text(IDC_PROMPT), c.prompt);
            EXPECT_EQ(user.Item(IDC_PROMPT).AccessibleName(), c.prompt);
            EXPECT_EQ(user.Text(IDC_SCORE), c.score);
            EXPECT_EQ(user.Text(IDC_CHECK), c.check);
            EXPECT_EQ(user.Text(IDC_NAME_A), "&A");
            user.Choose(IDC_DRILL, 2);
            user.Choose(IDC_CLEF, 1);
        });
        Run(c.language, [&](PracticeUser& user) {
            EXPECT_EQ(user.Item(IDC_DRILL).SelectedListItem(), 2);
            EXPECT_EQ(user.Item(IDC_CLEF).SelectedListItem(), 1);
            EXPECT_EQ(user.Item(IDC_LOWEST).ListItems().front(), "E2");
            EXPECT_TRUE(user.Item(IDC_PLAY_AGAIN).IsEnabled());
            EXPECT_FALSE(user.Item(IDC_NAME_C).IsEnabled());
        });
        TearDown();
    }
}

TEST_F(Practice, FocusStartsWhereTheAnswerIsGivenAndItsLinesAreLarger) {
    Run(Language::Chinese, [&](PracticeUser& user) {
        EXPECT_EQ(HeadlessWindow::Focus(), &user.Item(IDC_NAME_C));
        EXPECT_EQ(user.Item(IDC_PROMPT).FontPercent(), 150);
        EXPECT_EQ(user.Item(IDC_RESULT).FontPercent(), 150);
        EXPECT_EQ(user.Item(IDC_SCORE).FontPercent(), 100);
        user.Choose(IDC_DRILL, 1);
    });
    Run(Language::Chinese, [&](PracticeUser& user) {
        EXPECT_EQ(HeadlessWindow::Focus(), &user.Item(IDC_PRACTICE_STAFF));
    });
}

TEST_F(Practice, ASeededRoundOfEachDrillShowsItsLinesExactly) {
    // An answer's result lines and the round's summary, alike in every drill.
    struct Feedback {
        const char* right;  // %s: the pitch
        const char* wrong;  // %s: the asked pitch, %s: the answer
        const char* summary;
    };
    const Feedback chinese{"✓ 对！%s，1.3 秒", "✗ 不对：这是 %s，你答的是 %s",
                           "本轮：对 9/10 · 中位 1.0 秒 · 最弱：%s"};
    const Feedback english{"✓ Right: %s, 1.3 s", "✗ Not quite: this is %s, you answered %s",
                           "Round: 9/10 right · median 1.0 s · weakest: %s"};
    struct Case {
        int drill;
        Language language;
        const char* prompt;  // %s: the asked pitch
        const char* score;   // %d: question, %d: right, %d: in a row
        // An endless round's: the score line of the new round that Next opens after a
        // changed choice summed the round up.
        const char* afterChange;
    };
    for (const Case& c : {
             Case{0, Language::Chinese, "这是什么音？", "第 %d/10 题 · 对 %d · 连对 %d", nullptr},
             Case{1, Language::English, "Place %s on the staff",
                  "Question %d of 10 · %d right · %d in a row", nullptr},
             Case{2, Language::Chinese, "听，然后把这个音放到谱上", "第 %d/10 题 · 对 %d · 连对 %d",
                  nullptr},
             Case{0, Language::English, "Which note is this?",
                  "Question %d · %d right · %d in a row",
                  "Question 1 of 10 · 0 right · 0 in a row"},
         }) {
        SCOPED_TRACE(c.drill);
        const Feedback& feedback = c.language == Language::Chinese ? chinese : english;
        SetUp();
        Run(c.language, [&](PracticeUser& user) {
            user.Choose(IDC_LENGTH, c.afterChange ? 3 : 0);
            user.Choose(IDC_DRILL, c.drill);
            const auto asked = [&] {
                if (c.drill == 0) {
                    return StepNamedIn(user.Item(IDC_PRACTICE_STAFF).AccessibleDescription());
                }
                if (c.drill == 1) {
                    return StepNamedIn(user.Text(IDC_PROMPT));
                }
                for (int step = 1; step <= 13; ++step) {
                    if (practice::KeyOf(step, Clef::Treble) == user.LastKeySounded(midi)) {
                        return step;
                    }
                }
                return 0;
            };
            // Read by its name button, Place by mouse, Hear by keys and Check.
            const auto answer = [&](int step) {
                if (c.drill == 0) {
                    const std::string letters = "CDEFGAB";
                    user.Click(IDC_NAME_C + static_cast<int>(letters.find(
                                                practice::LetterOf(step, Clef::Treble))));
                } else if (c.drill == 1) {
                    user.Mouse(WM_LBUTTONDOWN, staff::StepToY(step));
                    user.Mouse(WM_LBUTTONUP, staff::StepToY(step));
                } else {
                    user.Key(VK_DOWN);  // places a note on the middle line
                    for (int at = 7; at != step; at += step > at ? 1 : -1) {
                        user.Key(step > at ? VK_UP : VK_DOWN);
                    }
                    user.Click(IDC_CHECK);
                }
            };
            std::string wrongName;
            for (int question = 1; question <= 10; ++question) {
                if (question > 1) {
                    EXPECT_EQ(HeadlessWindow::Focus(), &user.Item(IDC_CHECK));
                    user.Click(IDC_CHECK);  // Next
                    EXPECT_EQ(HeadlessWindow::Focus(),
                              &user.Item(c.drill == 0 ? IDC_CHECK : IDC_PRACTICE_STAFF));
                }
                const int step = asked();
                const std::string name = practice::PitchNameOf(step, Clef::Treble);
                ASSERT_NE(step, 0);
                EXPECT_EQ(user.Text(IDC_PROMPT), Printed(c.prompt, name.c_str()));
                clock.Advance(question == 1 ? 1300 : 1000);
                if (question == 2) {
                    const int given = step == 13 ? 12 : step + 1;
                    answer(given);
                    const std::string answered =
                        c.drill == 0 ? std::string(1, practice::LetterOf(given, Clef::Treble))
                                     : practice::PitchNameOf(given, Clef::Treble);
                    EXPECT_EQ(user.Text(IDC_RESULT),
                              Printed(feedback.wrong, name.c_str(), answered.c_str()));
                    EXPECT_EQ(user.Text(IDC_SCORE), Printed(c.score, 2, 1, 0));
                    EXPECT_EQ(user.LastKeySounded(midi), practice::KeyOf(step, Clef::Treble));
                    wrongName = name;
                } else {
                    answer(step);
                }
                if (question == 1) {
                    EXPECT_EQ(user.Text(IDC_RESULT), Printed(feedback.right, name.c_str()));
                    EXPECT_EQ(user.Item(IDC_RESULT).AccessibleName(), user.Text(IDC_RESULT));
                    EXPECT_EQ(user.Text(IDC_SCORE), Printed(c.score, 1, 1, 1));
                }
            }
            if (c.afterChange) {
                user.Choose(IDC_LENGTH, 0);
            }
            const std::string summary = Printed(feedback.summary, wrongName.c_str());
            EXPECT_EQ(user.Text(IDC_SCORE).substr(0, summary.size()), summary);
            if (c.afterChange) {
                user.Click(IDC_CHECK);
                EXPECT_EQ(user.Text(IDC_SCORE), c.afterChange);
            }
        });
        TearDown();
    }
}

}  // namespace

// Four ledger lines: the staff grows by 84 pixels and all below it moves with it; the range
// offers D3 to G6 in the treble clef, the alto clef names the same places E2 to A5; back to
// one ledger line the dialog is as it was and the range is taken in.
TEST_F(Practice, LedgerLinesGrowTheStaffAndWidenTheRange) {
    Run(Language::Chinese, [&](PracticeUser& user) {
        const CRect check = user.Item(IDC_CHECK).Place();
        const CRect dialog = user.Dialog().ClientRect();
        user.Choose(IDC_LEDGER_LINES, 3);
        EXPECT_EQ(user.Item(IDC_PRACTICE_STAFF).ClientRect(), CRect(0, 0, 600, 244));
        EXPECT_EQ(user.Item(IDC_CHECK).Place().top, check.top + 84);
        EXPECT_EQ(user.Dialog().ClientRect().Height(), dialog.Height() + 84);
        const std::vector<std::string> treble = user.Item(IDC_LOWEST).ListItems();
        ASSERT_EQ(treble.size(), 25u);
        EXPECT_EQ(treble.front() + "-" + treble.back(), "D3-G6");
        user.Choose(IDC_LOWEST, 0);
        user.Choose(IDC_HIGHEST, 24);
        user.Choose(IDC_CLEF, 2);
        const std::vector<std::string> alto = user.Item(IDC_HIGHEST).ListItems();
        EXPECT_EQ(alto.front() + "-" + alto.back(), "E2-A5");
        user.Choose(IDC_LEDGER_LINES, 0);
        EXPECT_EQ(user.Item(IDC_CHECK).Place(), check);
        EXPECT_EQ(user.Dialog().ClientRect(), dialog);
        EXPECT_EQ(user.Item(IDC_LOWEST).SelectedListItem(), 0);
        EXPECT_EQ(user.Item(IDC_HIGHEST).SelectedListItem(), 12);
    });
}

// Read answered by typing, in every naming system: a letter as the letters' buttons take it,
// a digit as the key's degree (do = 1, F♯ is 7 in G major); a drop-down list keeps the keys.
// A wrong answer is named in the system too.
TEST_F(Practice, LetterAndDigitKeysAnswerReadInEverySystem) {
    struct Case {
        staff::NameSystem names;
        int keyChoice;  // 0: C major, 1: G major
        char typed;     // 'L': the asked letter, 'D': its degree, 'W': the next degree
        int focus;
        const char* mark;  // of the result line; "": not answered
    };
    using staff::NameSystem;
    for (const Case& c : {
             Case{NameSystem::Letters, 1, 'D', IDC_NAME_C, "✓"},
             Case{NameSystem::Solfege, 0, 'L', IDC_NAME_C, "✓"},
             Case{NameSystem::Numbers, 1, 'D', IDC_PRACTICE_STAFF, "✓"},
             Case{NameSystem::Numbers, 0, 'W', IDC_NAME_C, "✗"},
             Case{NameSystem::Letters, 0, 'L', IDC_DRILL, ""},
         }) {
        SCOPED_TRACE(c.typed);
        SetUp();
        theApp.m_staffSetup.names = c.names;  // --names, for the staff and the practice
        Run(Language::Chinese, [&](PracticeUser& user) {
            user.Choose(IDC_KEY, c.keyChoice);
            // The shown note's letters, "G4" or "F♯4", stand in its words in every system.
            const std::string words = user.Item(IDC_PRACTICE_STAFF).AccessibleDescription();
            char letter = '\0';
            for (std::size_t i = 0; i + 1 < words.size() && letter == '\0'; ++i) {
                std::string_view rest = std::string_view(words).substr(i + 1);
                if (rest.starts_with("♯") || rest.starts_with("♭")) {
                    rest.remove_prefix(std::string_view("♯").size());
                }
                if (words[i] >= 'A' && words[i] <= 'G' && !rest.empty() && rest[0] >= '0' &&
                    rest[0] <= '9') {
                    letter = words[i];
                }
            }
            ASSERT_NE(letter, '\0') << words;
            const int degree = (static_cast<int>(std::string_view("CDEFGAB").find(letter)) -
                                staff::TonicOf(c.keyChoice).letter + 7) %
                               7;
            user.Item(c.focus).SetFocus();
            const int typed = c.typed == 'L'   ? letter
                              : c.typed == 'D' ? '1' + degree
                                               : '1' + (degree + 1) % 7;
            HeadlessWindow::Focus()->Type(static_cast<WPARAM>(typed));
            EXPECT_EQ(user.Text(IDC_RESULT).substr(0, std::string_view(c.mark).size()), c.mark);
            EXPECT_EQ(user.Text(IDC_RESULT).empty(), *c.mark == '\0');
            if (c.typed == 'W') {
                // The answer too is named in the system, its letters beside it: "6（A4）".
                EXPECT_NE(
                    user.Text(IDC_RESULT).find(std::string(1, static_cast<char>(typed)) + "（"),
                    std::string::npos)
                    << user.Text(IDC_RESULT);
            }
        });
        TearDown();
    }
    theApp.m_staffSetup.names.reset();
}
