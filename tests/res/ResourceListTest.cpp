// Which resources the program carries, under which numbers and languages.
#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <utility>

#include "res/resource.h"
#include "tests/res/EmbeddedEntries.h"

TEST(ResourceList, ExactlyTheProgramsResourcesInChineseWithDialogsAndStringsInEnglish) {
    std::set<std::tuple<int, int, int>> found;
    for (const ResourceEntry& entry : EmbeddedFile().Entries()) {
        ASSERT_TRUE(entry.type.isNumber);
        ASSERT_TRUE(entry.name.isNumber);
        found.emplace(entry.type.number, entry.name.number, entry.language);
    }
    constexpr int zh = kChineseResources;
    std::set<std::tuple<int, int, int>> expected = {
        {kRtIcon, 1, zh},     {kRtIcon, 2, zh},     {kRtGroupIcon, IDR_MAINFRAME, zh},
        {kRtBitmap, 129, zh}, {kRtBitmap, 130, zh}, {kRtBitmap, 131, zh},
        {kRtBitmap, 132, zh}, {kRtBitmap, 133, zh}, {kRtVersion, 1, zh},
        {kRtBitmap, 140, zh}, {kRtBitmap, 141, zh}, {kRtBitmap, 142, zh},
        {kRtBitmap, 143, zh}, {kRtBitmap, 144, zh}, {kRtBitmap, 150, zh},
        {kRtBitmap, 151, zh}, {kRtBitmap, 160, zh}, {kRtBitmap, 161, zh},
        {kRtBitmap, 162, zh}, {kRtBitmap, 163, zh}, {kRtBitmap, 170, zh},
        {kRtBitmap, 171, zh}, {kRtBitmap, 172, zh}, {kRtBitmap, 173, zh},
    };
    // The sharp, flat and natural signs, 180..188 and at twice the size 190..198.
    for (int id = IDB_SHARP; id <= IDB_NATURAL_MASK; ++id) {
        expected.emplace(kRtBitmap, id, zh);
        expected.emplace(kRtBitmap, id - IDB_SHARP + IDB_SHARP_2X, zh);
    }
    // The dialogs and the string blocks stand once in each language.
    const std::pair<int, int> translated[] = {
        {kRtDialog, IDD_ABOUTBOX},
        {kRtDialog, IDD_CANZET_DIALOG},
        {kRtString, 101 / 16 + 1},
        {kRtString, 200 / 16 + 1},
        {kRtString, IDS_STAFF_NAME / 16 + 1},
        {kRtDialog, IDD_PRACTICE},
        {kRtDialog, IDD_PROGRESS},
        {kRtString, IDS_PRACTICE / 16 + 1},
        {kRtString, IDS_CLEF_TREBLE / 16 + 1},
        {kRtString, IDS_NEXT / 16 + 1},
        {kRtString, IDS_POSITION / 16 + 1},
        {kRtString, IDS_USAGE / 16 + 1},
        {kRtString, IDS_ERR_NO_VALUE_TAKEN / 16 + 1},
        {kRtString, IDS_SOUND_OFF / 16 + 1},
        {kRtString, IDS_SOUND_NO_ANSWER / 16 + 1},
        {kRtString, IDS_SOUND_CONNECTED_TO / 16 + 1},
        {kRtString, IDS_PITCH_SHARP / 16 + 1},
        {kRtString, IDS_NAME_MIDDLE / 16 + 1},
        {kRtString, IDS_NAME_LOW / 16 + 1},
        {kRtString, IDS_GOAL_MINUTES / 16 + 1},
        {kRtString, IDS_GOAL_MET / 16 + 1},
        {kRtString, IDS_HELP_EXPORT_DAYS / 16 + 1},
        {kRtString, IDS_ALTOCLEF / 16 + 1},
        {kRtString, IDS_HELP_LEDGER_LINES / 16 + 1},
        {kRtString, IDS_RESULT_WRONG_PLAYED / 16 + 1},
        {kRtString, IDS_HELP_MIDI_ECHO / 16 + 1},
        {kRtString, IDS_MIDI_KEYBOARD_CAME / 16 + 1},
        {kRtString, IDS_RESULT_WRONG_SUNG / 16 + 1},
        {kRtString, IDS_HELP_LISTEN / 16 + 1},
        {kRtString, IDS_NO_MICROPHONE / 16 + 1},
    };
    for (const int language : {kChineseResources, kEnglishResources}) {
        for (const auto& [type, name] : translated) {
            expected.emplace(type, name, language);
        }
    }
    EXPECT_EQ(found, expected);
}
