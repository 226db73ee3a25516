// What the history says of a learner: the weakest steps, and the choices kept for next time.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "practice/LastChoices.h"
#include "practice/Statistics.h"

using namespace practice;

namespace {

TEST(Statistics, WeakestAreLeastOftenRightThenSlowest) {
    History history;
    // step: answers right of 4 and their times; step 9 is in the bass clef and not counted.
    const struct {
        int step, right;
        int ms[4];
    } kAnswers[] = {{3, 4, {1, 1, 1, 1}},
                    {4, 2, {900, 100, 500, 700}},
                    {5, 1, {10, 20, 30, 40}},
                    {6, 2, {100, 200, 300, 400}},
                    {8, 3, {5, 5, 5, 5}}};
    for (const auto& a : kAnswers) {
        for (int i = 0; i < 4; ++i) {
            history.Add(
                {.drill = Drill::Read, .asked = a.step, .right = i < a.right, .ms = a.ms[i]});
        }
    }
    history.Add({.drill = Drill::Read, .clef = Clef::Bass, .asked = 9, .right = false});
    const std::vector<StepStatistics> steps =
        StepStatisticsOf(history, Drill::Read, ClefChoice::Treble, 3, 9);
    ASSERT_EQ(steps.size(), 7U);
    EXPECT_EQ(steps[1].medianMs, 600);  // the mean of the middle two, 500 and 700
    EXPECT_EQ(steps[6].answers, 0);
    std::vector<int> weakest;
    for (const StepStatistics& s : WeakestSteps(steps)) {
        weakest.push_back(s.step);
    }
    EXPECT_EQ(weakest, (std::vector<int>{5, 4, 6}));
}

TEST(LastChoices, ComeBackAsSavedAndNotFromAnythingElse) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("canzet-choices-" + std::to_string(::getpid())) /
                                       "practice-choices.json";
    const RoundSettings saved{.drill = Drill::Hear,
                              .clef = ClefChoice::Both,
                              .lowStep = 3,
                              .highStep = 11,
                              .count = RoundSettings::kEndless,
                              .seed = 9};
    ASSERT_TRUE(SaveLastChoices(file, saved));
    const std::optional<RoundSettings> loaded = LoadLastChoices(file);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->drill, saved.drill);
    EXPECT_EQ(loaded->clef, saved.clef);
    EXPECT_EQ(loaded->lowStep, 3);
    EXPECT_EQ(loaded->highStep, 11);
    EXPECT_EQ(loaded->count, RoundSettings::kEndless);
    std::ofstream(file) << R"({"drill":"hear","clef":"both","low":12,"high":3,"count":5})";
    EXPECT_FALSE(LoadLastChoices(file).has_value());
    std::filesystem::remove_all(file.parent_path());
}

}  // namespace

// The MIDI echo choice lives in the same file, and saving the round's choices keeps it.
TEST(LastChoices, MidiEchoStaysBesideTheRoundsChoices) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("canzet-echo-" + std::to_string(::getpid()) + ".json");
    EXPECT_FALSE(LoadMidiEcho(file).has_value());
    ASSERT_TRUE(SaveMidiEcho(file, false));
    ASSERT_TRUE(SaveLastChoices(file, RoundSettings{}));
    EXPECT_EQ(LoadMidiEcho(file), std::optional(false));
    EXPECT_TRUE(LoadLastChoices(file).has_value());
    std::filesystem::remove(file);
}
