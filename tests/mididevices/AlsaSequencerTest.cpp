// Against the real ALSA sequencer; skipped where the machine has none (no /dev/snd/seq, as in
// containers and most CI machines).
#include <gtest/gtest.h>

#include <memory>

#include "FakeOutputs.h"
#include "SequencerListener.h"
#include "TempFolder.h"
#include "midi/alsa/AlsaSequencerDevice.h"
#include "midi/fluidsynth/FluidSynthDevice.h"
#include "midi/system/SystemMidiDevice.h"

namespace {

bool SequencerExists() {
    MIDIOUTCAPSA caps{};
    return AlsaSequencerDevice().GetCaps(caps) == MMSYSERR_NOERROR;
}

class AlsaSequencerTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!SequencerExists()) {
            GTEST_SKIP() << "no ALSA sequencer on this machine";
        }
        ASSERT_TRUE(m_listener.Ready());
    }
    SequencerListener m_listener;
};

TEST_F(AlsaSequencerTest, PortCanzetExistsWhileOpenAndKnowsItsSubscribers) {
    AlsaSequencerDevice device;
    ASSERT_EQ(device.Open(), MMSYSERR_NOERROR);
    const int client = device.ClientId();
    const int port = device.PortId();
    EXPECT_EQ(m_listener.PortName(client, port), "Canzet:Canzet");
    EXPECT_FALSE(device.HasSubscribers());
    ASSERT_TRUE(m_listener.Subscribe(client, port));
    EXPECT_TRUE(device.HasSubscribers());
    ASSERT_TRUE(m_listener.Unsubscribe(client, port));
    EXPECT_FALSE(device.HasSubscribers());
    EXPECT_EQ(device.Close(), MMSYSERR_NOERROR);
    EXPECT_FALSE(m_listener.PortName(client, port).has_value());
}

TEST_F(AlsaSequencerTest, SubscriberHearsTheNotesUntilItGoes) {
    auto synth = std::make_unique<FakeSynth>();
    auto port = std::make_unique<AlsaSequencerDevice>();
    FakeSynth* builtIn = synth.get();
    AlsaSequencerDevice* published = port.get();
    SystemMidiDevice device(std::move(synth), std::move(port));
    ASSERT_EQ(device.Open(), MMSYSERR_NOERROR);
    ASSERT_TRUE(m_listener.Subscribe(published->ClientId(), published->PortId()));

    device.ShortMsg(0x503C00);  // no MIDI message: nothing may arrive for it
    device.ShortMsg(0x503C90);
    const auto event = m_listener.Receive();
    ASSERT_TRUE(event.has_value());
    EXPECT_EQ(event->type, SND_SEQ_EVENT_NOTEON);
    EXPECT_EQ(event->data.note.channel, 0);
    EXPECT_EQ(event->data.note.note, 60);
    EXPECT_EQ(event->data.note.velocity, 80);
    EXPECT_TRUE(builtIn->received.empty());

    ASSERT_TRUE(m_listener.Unsubscribe(published->ClientId(), published->PortId()));
    device.ShortMsg(0x505190);
    EXPECT_EQ(builtIn->received, (std::vector<DWORD>{0x505190}));
}

void ExpectAllNotesOff(const std::optional<snd_seq_event_t>& event) {
    ASSERT_TRUE(event.has_value());
    EXPECT_EQ(event->type, SND_SEQ_EVENT_CONTROLLER);
    EXPECT_EQ(event->data.control.channel, 0);
    EXPECT_EQ(event->data.control.param, 123U);
    EXPECT_EQ(event->data.control.value, 0);
}

TEST_F(AlsaSequencerTest, ASubscriberThatLeavesIsToldAllNotesOff) {
    AlsaSequencerDevice device;
    ASSERT_EQ(device.Open(), MMSYSERR_NOERROR);
    ASSERT_TRUE(m_listener.Subscribe(device.ClientId(), device.PortId()));
    device.ShortMsg(0x503C90);
    ASSERT_TRUE(m_listener.Receive().has_value());
    ASSERT_TRUE(m_listener.Unsubscribe(device.ClientId(), device.PortId()));
    ExpectAllNotesOff(m_listener.Receive());
}

TEST_F(AlsaSequencerTest, ASubscriberThatComesLaterIsToldTheInstrument) {
    AlsaSequencerDevice device;
    ASSERT_EQ(device.Open(), MMSYSERR_NOERROR);
    device.ShortMsg(0x0BC0);  // program 12, chosen before anyone listened
    ASSERT_TRUE(m_listener.Subscribe(device.ClientId(), device.PortId()));
    const auto event = m_listener.Receive();
    ASSERT_TRUE(event.has_value());
    EXPECT_EQ(event->type, SND_SEQ_EVENT_PGMCHANGE);
    EXPECT_EQ(event->data.control.channel, 0);
    EXPECT_EQ(event->data.control.value, 11);
}

TEST_F(AlsaSequencerTest, ClosingTellsTheSubscribersAllNotesOff) {
    auto port = std::make_unique<AlsaSequencerDevice>();
    AlsaSequencerDevice* published = port.get();
    SystemMidiDevice device(std::make_unique<FakeSynth>(), std::move(port));
    ASSERT_EQ(device.Open(), MMSYSERR_NOERROR);
    ASSERT_TRUE(m_listener.Subscribe(published->ClientId(), published->PortId()));
    device.Close();
    ExpectAllNotesOff(m_listener.Receive());
}

// With no sequencer, the built-in synth is all there is.
TEST(WithoutSequencer, NoSoundfontOrNoAudioOutputMeansNoMidiDevice) {
    if (SequencerExists()) {
        GTEST_SKIP() << "this machine has an ALSA sequencer";
    }
    const TempFolder folder;
    SystemMidiDevice noSoundfont(std::make_unique<FluidSynthDevice>(folder.Path("missing.sf2")),
                                 std::make_unique<AlsaSequencerDevice>());
    MIDIOUTCAPSA caps{};
    EXPECT_NE(noSoundfont.GetCaps(caps), MMSYSERR_NOERROR);  // "初始化Midi设备失败!"

    SystemMidiDevice noAudio(
        std::make_unique<FluidSynthDevice>(audio_settings::kDefaultSoundfont,
                                           std::vector<std::string>{"no-such-driver"}),
        std::make_unique<AlsaSequencerDevice>());
    EXPECT_NE(noAudio.Open(), MMSYSERR_NOERROR);  // "打开Midi设备失败"
    EXPECT_EQ(noAudio.ShortMsg(0x503C90), MMSYSERR_INVALHANDLE);
}

}  // namespace
