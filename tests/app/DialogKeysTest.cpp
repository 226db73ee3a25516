// The main dialog from the keyboard: what "位置" shows after keys on the staff, Enter on
// the staff, the menu's clear item and the clicks between them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/Canzet.h"
#include "res/resource.h"
#include "tests/app/AppDriver.h"

namespace {

struct DialogCase {
    const char* name;
    int maxNotes;
    // Words, each one step: a key name ("ctrl+" holds Ctrl), "click" on "位置", "clear"
    // from the system menu, "place:X,Y" with the mouse.
    std::string script;
    std::string caption;
    // What a screen reader reads of the button beside its caption.
    std::string description;
};

int VirtualKey(const std::string& name) {
    static const std::pair<const char*, int> kKeys[] = {
        {"up", VK_UP},       {"down", VK_DOWN},    {"left", VK_LEFT}, {"right", VK_RIGHT},
        {"space", VK_SPACE}, {"enter", VK_RETURN}, {"home", VK_HOME}, {"delete", VK_DELETE},
    };
    for (const auto& [key, code] : kKeys) {
        if (name == key) {
            return code;
        }
    }
    ADD_FAILURE() << "no key " << name;
    return 0;
}

void Step(MainDialogUser& user, const std::string& word) {
    if (word == "click") {
        user.Click(IDC_POSITION);
    } else if (word == "clear") {
        user.SystemCommand(IDM_CLEAR);
    } else if (word.starts_with("place:")) {
        int x = 0;
        int y = 0;
        std::sscanf(word.c_str(), "place:%d,%d", &x, &y);
        user.Place(x, y);
    } else if (word.starts_with("ctrl+")) {
        user.Key(VirtualKey(word.substr(5)), true);
    } else {
        user.Key(VirtualKey(word));
    }
}

class DialogKeys : public ::testing::TestWithParam<DialogCase> {
  protected:
    void TearDown() override { theApp.m_staffSetup = StaffSetup{}; }
};

TEST_P(DialogKeys, PositionCaption) {
    theApp.m_staffSetup = StaffSetup{true, GetParam().maxNotes};
    AppDriver app;
    std::string caption;
    std::string description;
    bool open = false;
    app.Run([&](MainDialogUser& user) {
        std::istringstream words(GetParam().script);
        for (std::string word; words >> word;) {
            Step(user, word);
        }
        caption = user.Caption();
        description = user.PositionButton().AccessibleDescription();
        open = !user.Dialog().ModalResult().has_value();
    });
    EXPECT_EQ(caption, GetParam().caption);
    EXPECT_EQ(description, GetParam().description);
    EXPECT_TRUE(open) << "Enter on the staff ends nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Table, DialogKeys,
    ::testing::Values(DialogCase{"UpThreeTimesThenEnter", 1, "up up up enter", "9", "位置：9"},
                      DialogCase{"EnterOnAnEmptyStaff", 1, "enter", "位置", ""},
                      DialogCase{"ClearGivesTheCaptionBack", 1, "up up enter clear", "位置", ""},
                      DialogCase{"ClearThenANewNote", 2, "up enter clear down enter", "7",
                                 "位置：7"},
                      // Notes at x 324 (B4), 348 (E5) and 372 (B4); Ctrl+Left goes back to E5.
                      DialogCase{"SeveralNotesShowTheCurrentStep", 3,
                                 "space space up up up space ctrl+left enter", "10", "位置：10"},
                      DialogCase{"TheLastPressedNoteIsCurrent", 3,
                                 "place:400,123 place:200,60 click", "10", "位置：10"},
                      DialogCase{"OneNoteAllowedShowsTheFirst", 1,
                                 "place:400,123 place:200,60 click", "1", "位置：1"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
