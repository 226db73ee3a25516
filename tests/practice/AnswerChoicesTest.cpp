// How the learner answers, as the last-choices file keeps it: each choice by itself, the
// octave rule following the voice unless it was chosen, and the round's choices kept beside.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "practice/AnswerChoices.h"
#include "practice/LastChoices.h"

namespace {

using practice::AnswerChoices;
using practice::OctaveRule;

constexpr practice::HearingLimits kLimits{
    .minHoldMs = 40, .maxHoldMs = 300, .minA4Hz = 415, .maxA4Hz = 466};

struct StoredCase {
    const char* file;
    AnswerChoices loaded;
};

const StoredCase kStored[] = {
    {"", {}},
    {R"({"answer":"microphone","sound":"voice"})",
     {.microphone = true, .voice = true, .octave = OctaveRule::Any}},
    {R"({"sound":"voice","anyOctave":false})", {.voice = true}},
    {R"({"sound":"instrument","anyOctave":true,"holdMs":300,"a4Hz":415})",
     {.octave = OctaveRule::Any, .holdMs = 300, .a4Hz = 415}},
    // Out of range or of the wrong kind: as by default.
    {R"({"answer":1,"anyOctave":"yes","holdMs":39,"a4Hz":467})", {}},
};

class StoredAnswerChoices : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredAnswerChoices, LoadEachChoiceByItselfAndSaveThemBesideTheRounds) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("canzet-answer-" + std::to_string(::getpid()) + ".json");
    std::ofstream(file) << GetParam().file;
    const AnswerChoices loaded = practice::LoadAnswerChoices(file, kLimits);
    EXPECT_TRUE(loaded == GetParam().loaded);
    ASSERT_TRUE(practice::SaveLastChoices(file, practice::RoundSettings{}));
    ASSERT_TRUE(practice::SaveAnswerChoices(file, loaded));
    EXPECT_TRUE(practice::LoadAnswerChoices(file, kLimits) == loaded);
    EXPECT_TRUE(practice::LoadLastChoices(file).has_value());
    std::filesystem::remove(file);
}

INSTANTIATE_TEST_SUITE_P(Files, StoredAnswerChoices, ::testing::ValuesIn(kStored));

}  // namespace
