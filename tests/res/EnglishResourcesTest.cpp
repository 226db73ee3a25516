// The English set beside the Chinese one: its texts, its dialogs laid out as the Chinese
// ones, and the loader reading it with the Chinese pictures as the fallback.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/Language.h"
#include "platform/Icon.h"
#include "platform/Resources.h"
#include "platform/Surface.h"
#include "platform/res/DialogTemplateReader.h"
#include "platform/res/StringTable.h"
#include "res/resource.h"
#include "tests/res/EmbeddedEntries.h"

namespace {

DialogTemplate Dialog(std::uint16_t id, WORD language) {
    return ReadDialogTemplate(EmbeddedData(kRtDialog, id, language)).value_or(DialogTemplate{});
}

std::string String(std::uint16_t id, WORD language) {
    return ReadStringFromBlock(EmbeddedData(kRtString, StringBlockId(id), language), id)
        .value_or("(none)");
}

// Every field of a template but its texts and its font's size, face and character set.
std::string Layout(const DialogTemplate& d) {
    std::ostringstream out;
    out << d.extended << ' ' << d.style << ' ' << d.exStyle << ' ' << d.helpId << ' ' << d.x << ' '
        << d.y << ' ' << d.cx << ' ' << d.cy << ' ' << d.menu.text << ' ' << d.windowClass.text
        << ' ' << d.hasFont << ' ' << d.font.weight << ' ' << d.font.italic;
    for (const DialogControl& c : d.controls) {
        out << " | " << c.className << ' ' << c.classAtom << ' ' << c.id << ' ' << c.text.isNumber
            << ' ' << c.text.number << ' ' << c.style << ' ' << c.exStyle << ' ' << c.helpId << ' '
            << c.x << ' ' << c.y << ' ' << c.cx << ' ' << c.cy;
    }
    return out.str();
}

// The caption, then each control's text.
std::vector<std::string> Texts(const DialogTemplate& d) {
    std::vector<std::string> texts{d.caption};
    for (const DialogControl& c : d.controls) {
        texts.push_back(c.text.isNumber ? "#" + std::to_string(c.text.number) : c.text.text);
    }
    return texts;
}

// Reads the program's resources in one language for the length of a test.
class LanguageScope {
  public:
    explicit LanguageScope(WORD language) { SetResourceLanguage(language, kChineseResources); }
    ~LanguageScope() { SetResourceLanguage(kChineseResources, kChineseResources); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

}  // namespace

TEST(EnglishResources, DialogsHaveTheEnglishTextsAndTheChineseLayout) {
    struct Case {
        std::uint16_t id;
        std::vector<std::string> texts;
    };
    for (const Case& c : {
             Case{IDD_CANZET_DIALOG, {"Staff Demo", "Exit", "", "Position"}},
             Case{IDD_ABOUTBOX,
                  {"About Canzet", "#128", "Canzet Version 1.0", "Copyright (C) 2026", "OK"}},
         }) {
        SCOPED_TRACE(c.id);
        const DialogTemplate english = Dialog(c.id, kEnglishResources);
        EXPECT_EQ(Texts(english), c.texts);
        EXPECT_EQ(Layout(english), Layout(Dialog(c.id, kChineseResources)));
        // Latin letters in the font English dialogs use, not the Chinese face's.
        EXPECT_EQ(english.font.face, "MS Shell Dlg");
        EXPECT_EQ(english.font.pointSize, 8);
        EXPECT_EQ(english.font.charset, english.extended ? 0 : 1) << "Western where it is named";
    }
}

TEST(EnglishResources, StringsInBothLanguages) {
    struct Case {
        std::uint16_t id;
        const char* chinese;
        const char* english;
    };
    for (const Case& c : {
             Case{IDS_ABOUTBOX, "关于 Canzet(&A)...", "&About Canzet..."},
             Case{IDS_MIDI_INIT_FAILED, "初始化Midi设备失败!",
                  "Failed to initialise the MIDI device!"},
             Case{IDS_MIDI_OPEN_FAILED, "打开Midi设备失败", "Failed to open the MIDI device"},
         }) {
        EXPECT_EQ(String(c.id, kChineseResources), c.chinese);
        EXPECT_EQ(String(c.id, kEnglishResources), c.english);
    }
}

TEST(EnglishResources, LoaderReadsEnglishAndFallsBackToChineseForPictures) {
    const LanguageScope english(kEnglishResources);
    std::string text;
    ASSERT_TRUE(LoadStringResource(IDS_MIDI_OPEN_FAILED, text));
    EXPECT_EQ(text, "Failed to open the MIDI device");
    EXPECT_EQ(LoadDialogTemplateResource(IDD_ABOUTBOX).value_or(DialogTemplate{}).caption,
              "About Canzet");
    Surface picture;
    EXPECT_TRUE(LoadBitmapResource(IDB_STAFF_TREBLE, picture));
    EXPECT_EQ(picture.Width(), 600);
    EXPECT_NE(LoadIconResource(IDR_MAINFRAME), nullptr);
}
