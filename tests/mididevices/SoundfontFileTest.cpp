#include <gtest/gtest.h>

#include <filesystem>

#include "TempFiles.h"
#include "midi/fluidsynth/AudioSettings.h"
#include "midi/fluidsynth/SoundfontFile.h"

namespace {

const std::string& Installed() {
    return audio_settings::kDefaultSoundfont;
}

TEST(SoundfontFile, TheInstalledGeneralMidiSoundfontLooksLoadable) {
    if (!std::filesystem::exists(Installed())) {
        GTEST_SKIP() << "no General MIDI soundfont installed";
    }
    EXPECT_TRUE(LooksLikeSoundfont(Installed()));
}

TEST(SoundfontFile, RejectsFilesThatCannotBeAWholeSoundfont) {
    const TempFolder folder;
    // The header of a 100-byte soundfont, for files that claim more than they hold.
    const std::string header("RIFF\x5C\x00\x00\x00sfbk", 12);
    struct Case {
        const char* name;
        std::string path;
    };
    const Case cases[] = {
        {"missing", folder.Path("missing.sf2").string()},
        {"a folder", folder.Path("").string()},
        {"empty", folder.Write("", "empty.sf2")},
        {"shorter than a header", folder.Write("RIFF", "short.sf2")},
        {"truncated", folder.Write(header + std::string(40, '\0'), "truncated.sf2")},
        {"a wave file", folder.Write(std::string("RIFF\x04\x00\x00\x00WAVE", 12), "sound.sf2")},
        {"not RIFF", folder.Write(std::string("RIFX\x04\x00\x00\x00sfbk", 12), "rifx.sf2")},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(LooksLikeSoundfont(c.path)) << c.name;
    }
    EXPECT_TRUE(LooksLikeSoundfont(folder.Write(header + std::string(88, '\0'), "whole.sf2")));
}

TEST(SoundfontFile, TruncatedCopyOfTheInstalledSoundfontIsRejected) {
    if (!std::filesystem::exists(Installed())) {
        GTEST_SKIP() << "no General MIDI soundfont installed";
    }
    const TempFolder folder;
    EXPECT_FALSE(LooksLikeSoundfont(folder.CopyPrefix(Installed(), 65536, "cut.sf2")));
}

}  // namespace
