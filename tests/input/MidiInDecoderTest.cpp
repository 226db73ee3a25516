// A keyboard's bytes as they come: which keys went down and up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/midi/MidiInDecoder.h"
#include "input/midi/winmm/MidiInCallback.h"

namespace {

struct DecodeCase {
    const char* name;
    std::vector<unsigned char> bytes;
    std::string keys;  // "+60/0" a key down on channel 1, "-60/15" up on channel 16, "?" stray
};

class Decode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Decode, KeysAsAKeyboardSendsThem) {
    input::midi::MidiInDecoder decoder;
    std::string keys;
    for (const unsigned char byte : GetParam().bytes) {
        const auto result = decoder.Feed(byte);
        if (result.stray) {
            keys += "? ";
        }
        if (result.key) {
            keys += (result.key->down ? "+" : "-") + std::to_string(result.key->key) + "/" +
                    std::to_string(result.key->channel) + " ";
        }
    }
    EXPECT_EQ(keys, GetParam().keys);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Decode,
    ::testing::Values(
        DecodeCase{"NoteOnAndOff", {0x90, 60, 80, 0x80, 60, 64}, "+60/0 -60/0 "},
        DecodeCase{"VelocityZeroIsOff", {0x90, 60, 80, 0x90, 60, 0}, "+60/0 -60/0 "},
        DecodeCase{"RunningStatus", {0x9F, 60, 80, 62, 80, 60, 0}, "+60/15 +62/15 -60/15 "},
        DecodeCase{"RealTimeInsideAMessage", {0x93, 0xF8, 60, 0xFE, 80, 0xFF}, "+60/3 "},
        DecodeCase{"OtherChannelMessagesPassedOver",
                   {0xB0, 64, 127, 0xC0, 5, 0xE0, 0, 64, 0x99, 36, 90},
                   "+36/9 "},
        DecodeCase{"SysexAndSystemCommonCancelRunningStatus",
                   {0x90, 60, 80, 0xF0, 1, 2, 0xF7, 61, 80, 0xF2, 1, 2, 0x90, 62, 80},
                   "+60/0 ? ? +62/0 "},
        DecodeCase{"StrayDataByte", {60, 0x80, 60, 0}, "? -60/0 "}),
    [](const ::testing::TestParamInfo<DecodeCase>& info) { return info.param.name; });

// What a midiIn callback hands on: a short message packed low byte first, as a key.
TEST(MidiInCallback, NoteMessagesOnlyBecomeKeys) {
    using input::midi::KeyFromMidiIn;
    const auto on = KeyFromMidiIn(input::midi::kMidiInData, 0x503C93, 1234);
    ASSERT_TRUE(on.has_value());
    EXPECT_EQ(on->key, 60);
    EXPECT_TRUE(on->down);
    EXPECT_EQ(on->timeMs, 1234);
    EXPECT_FALSE(KeyFromMidiIn(input::midi::kMidiInData, 0x003C90, 0)->down);
    EXPECT_FALSE(KeyFromMidiIn(input::midi::kMidiInData, 0x7F40B0, 0).has_value());  // pedal
    EXPECT_FALSE(KeyFromMidiIn(0x3C2, 0, 0).has_value());                            // MIM_CLOSE
}

}  // namespace
