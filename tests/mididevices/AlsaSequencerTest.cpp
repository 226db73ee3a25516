// Against the real ALSA sequencer; skipped where the machine has none (no /dev/snd/seq,
// as in containers and most CI machines).
#include <gtest/gtest.h>

#include <memory>

#include "FakeOutputs.h"
#include "SequencerListener.h"
#include "TempFiles.h"
#include "midi/alsa/AlsaSequencerDevice.h"
#include "midi/fluidsynth/AudioSettings.h"
#include "midi/fluidsynth/FluidSynthDevice.h"
#include "midi/system/SystemMidiDevice.h"

namespace {

bool SequencerExists() {
    AlsaSequencerDevice probe;
    MIDIOUTCAPSA caps{};
    return probe.GetCaps(caps) == MMSYSERR_NOERROR;
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

TEST_F(AlsaSequencerTest, OpenPublishesASubscribablePortNamedCanzet) {
    AlsaSequencerDevice device;
    ASSERT_EQ(device.Open(), MMSYSERR_NOERROR);
    EXPECT_EQ(m_listener.ClientName(device.ClientId()), "Canzet");
    EXPECT_EQ(m_listener.PortName(device.ClientId(), device.PortId()), "Canzet");
    const unsigned int wanted = SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ;
    EXPECT_EQ(m_listener.PortCapabilities(device.ClientId(), device.PortId()) & wanted, wanted);
    const int client = device.ClientId();
    EXPECT_EQ(device.Close(), MMSYSERR_NOERROR);
    EXPECT_FALSE(m_listener.ClientName(client).has_value());  // gone with the close
}

TEST_F(AlsaSequencerTest, KnowsWhileSomethingIsSubscribed) {
    AlsaSequencerDevice device;
    ASSERT_EQ(device.Open(), MMSYSERR_NOERROR);
    EXPECT_FALSE(device.HasSubscribers());
    ASSERT_TRUE(m_listener.Subscribe(device.ClientId(), device.PortId()));
    EXPECT_TRUE(device.HasSubscribers());
    ASSERT_TRUE(m_listener.Unsubscribe(device.ClientId(), device.PortId()));
    EXPECT_FALSE(device.HasSubscribers());
}

TEST_F(AlsaSequencerTest, SubscriberHearsTheNoteInsteadOfTheBuiltInSynth) {
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

    // The last subscription goes: the built-in synth takes over again.
    ASSERT_TRUE(m_listener.Unsubscribe(published->ClientId(), published->PortId()));
    device.ShortMsg(0x505190);
    EXPECT_EQ(builtIn->received, (std::vector<DWORD>{0x505190}));
}

TEST_F(AlsaSequencerTest, SystemDeviceStillOpensOnThePortWithoutAudio) {
    const TempFolder folder;
    SystemMidiDevice device(std::make_unique<FluidSynthDevice>(folder.Path("missing.sf2").string()),
                            std::make_unique<AlsaSequencerDevice>());
    MIDIOUTCAPSA caps{};
    EXPECT_EQ(device.GetCaps(caps), MMSYSERR_NOERROR);
    EXPECT_EQ(device.Open(), MMSYSERR_NOERROR);
}

// Where there is no sequencer, the system device stands on the built-in synth alone.
class WithoutSequencerTest : public testing::Test {
  protected:
    void SetUp() override {
        if (SequencerExists()) {
            GTEST_SKIP() << "this machine has an ALSA sequencer";
        }
    }
    TempFolder m_folder;
};

TEST_F(WithoutSequencerTest, NoSoundfontMeansNoMidiOutputAtAll) {
    SystemMidiDevice device(
        std::make_unique<FluidSynthDevice>(m_folder.Path("missing.sf2").string()),
        std::make_unique<AlsaSequencerDevice>());
    MIDIOUTCAPSA caps{};
    EXPECT_NE(device.GetCaps(caps), MMSYSERR_NOERROR);
}

TEST_F(WithoutSequencerTest, NoAudioOutputMeansOpenFails) {
    SystemMidiDevice device(
        std::make_unique<FluidSynthDevice>(audio_settings::kDefaultSoundfont,
                                           std::vector<std::string>{"no-such-driver"}),
        std::make_unique<AlsaSequencerDevice>());
    EXPECT_NE(device.Open(), MMSYSERR_NOERROR);
    EXPECT_EQ(device.ShortMsg(0x503C90), MMSYSERR_INVALHANDLE);
}

}  // namespace
