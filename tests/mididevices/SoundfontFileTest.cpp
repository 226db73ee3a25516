#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempFolder.h"
#include "midi/fluidsynth/AudioSettings.h"
#include "midi/fluidsynth/SoundfontFile.h"

namespace {

TEST(SoundfontFile, OnlyAWholeSoundfontLooksLoadable) {
    const TempFolder folder;
    const std::string header("RIFF\x5C\x00\x00\x00sfbk", 12);  // a 100-byte soundfont
    struct Case {
        std::string path;
        bool loadable;
    };
    const Case cases[] = {
        {folder.Write("whole.sf2", header + std::string(88, '\0')), true},
        {folder.Path("missing.sf2"), false},
        {folder.Path(), false},
        {folder.Write("empty.sf2", ""), false},
        {folder.Write("short.sf2", "RIFF"), false},
        {folder.Write("truncated.sf2", header + std::string(40, '\0')), false},
        {folder.Write("sound.sf2", std::string("RIFF\x04\x00\x00\x00WAVE", 12)), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LooksLikeSoundfont(c.path), c.loadable) << c.path;
    }
}

TEST(SoundfontFile, TheInstalledOneLooksLoadableAndACutCopyDoesNot) {
    const std::string& installed = audio_settings::kDefaultSoundfont;
    if (!std::filesystem::exists(installed)) {
        GTEST_SKIP() << "no General MIDI soundfont installed";
    }
    EXPECT_TRUE(LooksLikeSoundfont(installed));
    std::string prefix(65536, '\0');
    std::ifstream(installed, std::ios::binary).read(prefix.data(), prefix.size());
    const TempFolder folder;
    EXPECT_FALSE(LooksLikeSoundfont(folder.Write("cut.sf2", prefix)));
}

}  // namespace
