// Which heard onsets are taken for the program's own note coming back.
#include <gtest/gtest.h>

#include "practice/OwnSound.h"

namespace {

TEST(OwnSound, OnsetsRightAfterTheProgramsNoteAreItsEcho) {
    practice::OwnSound sound;
    EXPECT_FALSE(sound.Echoes(10'000)) << "nothing sounded yet";
    sound.Sounded(10'000);
    const struct {
        std::int64_t onsetMs;
        bool echo;
    } cases[] = {{9'899, false}, {9'900, true},   {10'050, true},
                 {10'599, true}, {10'600, false}, {12'000, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(sound.Echoes(c.onsetMs), c.echo) << c.onsetMs;
    }
    sound.Sounded(20'000);  // played again: only the latest note counts
    EXPECT_FALSE(sound.Echoes(10'050));
    EXPECT_TRUE(sound.Echoes(20'050));
}

}  // namespace
