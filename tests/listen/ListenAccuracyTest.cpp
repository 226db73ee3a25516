// The detector and the acceptance rules over the whole rendered set, one row a hold, one
// line a file: the right note nearly always, never an octave off, and nothing heard where
// nothing played, from the shortest hold to the longest.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tools/testset/TestSetScore.h"

namespace {

class ListenAccuracy : public ::testing::TestWithParam<int> {};

TEST_P(ListenAccuracy, RightNotesNoOctaveErrorsNothingInSilenceNoiseOrHum) {
    static const std::vector<SetFile> set = LoadTestSet(CANZET_TESTSET_DIR);
    ASSERT_GE(set.size(), 33u) << "the set in " << CANZET_TESTSET_DIR;
    input::ListenSettings settings;
    settings.holdMs = GetParam();
    SetScore total;
    std::printf("%-16s %5s %5s %6s %5s %6s %5s %8s\n", "file", "notes", "right", "octave", "other",
                "missed", "extra", "p50 ms");
    for (const SetFile& file : set) {
        const SetScore score = ScoreFile(file, HeardByCanzet(file.sound, settings));
        std::printf("%-16s %5d %5d %6d %5d %6d %5d %8.1f\n", file.name.c_str(), score.notes,
                    score.right, score.octaveWrong, score.otherWrong, score.missed, score.extra,
                    Percentile(score.latenciesMs, 0.5));
        total.Add(score);
    }
    std::printf("total: %d of %d right (%.1f%%), latency median %.1f ms, p95 %.1f ms\n",
                total.right, total.notes, 100.0 * total.right / total.notes,
                Percentile(total.latenciesMs, 0.5), Percentile(total.latenciesMs, 0.95));
    EXPECT_GE(total.right, 0.98 * total.notes);
    EXPECT_EQ(total.octaveWrong, 0);
    EXPECT_EQ(total.extra, 0);
}

INSTANTIATE_TEST_SUITE_P(Holds, ListenAccuracy,
                         ::testing::Values(input::ListenSettings::kMinHoldMs,
                                           input::ListenSettings::kDefaultHoldMs,
                                           input::ListenSettings::kMaxHoldMs),
                         [](const auto& info) { return "Hold" + std::to_string(info.param); });

}  // namespace
