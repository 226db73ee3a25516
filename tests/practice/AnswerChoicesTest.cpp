// How the learner answers, as the last-choices file keeps it: each choice by itself, the
// octave rule following the voice unless it was chosen, and nothing else in the file lost.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "practice/AnswerChoices.h"
#include "practice/LastChoices.h"

namespace {

using practice::AnswerChoices;
using practice::OctaveRule;

struct StoredCase {
    const char* file;
    AnswerChoices loaded;
};

const StoredCase kStored[] = {
    {"", {}},
    {R"({"answer":"microphone","sound":"voice"})",
     {.microphone = true, .voice = true, .octave = OctaveRule::Any}},
    {R"({"sound":"voice","anyOctave":false})", {.voice = true, .octave = OctaveRule::Exact}},
    {R"({"sound":"instrument","anyOctave":true,"holdMs":300,"a4Hz":415})",
     {.octave = OctaveRule::Any, .holdMs = 300, .a4Hz = 415}},
    // Out of range or of the wrong kind: as by default.
    {R"({"answer":1,"anyOctave":"yes","holdMs":39,"a4Hz":467})", {}},
    {R"({"holdMs":4294967356,"a4Hz":440.5})", {}},
};

class StoredAnswerChoices : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredAnswerChoices, LoadEachChoiceByItself) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("canzet-answer-" + std::to_string(::getpid()) + ".json");
    std::ofstream(file) << GetParam().file;
    const AnswerChoices loaded = practice::LoadAnswerChoices(file);
    const AnswerChoices& expected = GetParam().loaded;
    EXPECT_EQ(loaded.microphone, expected.microphone);
    EXPECT_EQ(loaded.voice, expected.voice);
    EXPECT_EQ(loaded.octave, expected.octave);
    EXPECT_EQ(loaded.holdMs, expected.holdMs);
    EXPECT_EQ(loaded.a4Hz, expected.a4Hz);
    std::filesystem::remove(file);
}

INSTANTIATE_TEST_SUITE_P(Files, StoredAnswerChoices, ::testing::ValuesIn(kStored));

TEST(StoredAnswerChoices, SavedBesideTheRoundsChoicesAndBack) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("canzet-answer-saved-" + std::to_string(::getpid()));
    ASSERT_TRUE(practice::SaveLastChoices(file, practice::RoundSettings{}));
    const AnswerChoices saved{
        .microphone = true, .voice = true, .octave = OctaveRule::Exact, .holdMs = 150, .a4Hz = 442};
    ASSERT_TRUE(practice::SaveAnswerChoices(file, saved));
    const AnswerChoices loaded = practice::LoadAnswerChoices(file);
    EXPECT_TRUE(loaded.microphone && loaded.voice);
    EXPECT_EQ(loaded.octave, OctaveRule::Exact);
    EXPECT_EQ(loaded.holdMs, 150);
    EXPECT_EQ(loaded.a4Hz, 442);
    EXPECT_TRUE(practice::LoadLastChoices(file).has_value());
    std::filesystem::remove(file);
}

}  // namespace
