#include <gtest/gtest.h>

#include <memory>

#include "FakeOutputs.h"
#include "midi/system/SystemMidiDevice.h"

namespace {

constexpr DWORD kMiddleC = 0x503C90;
constexpr DWORD kHighA = 0x505190;

// The system device over two fakes the test keeps hold of.
struct Rig {
    Rig() {
        auto ownedSynth = std::make_unique<FakeSynth>();
        auto ownedPort = std::make_unique<FakePort>();
        synth = ownedSynth.get();
        port = ownedPort.get();
        device = std::make_unique<SystemMidiDevice>(std::move(ownedSynth), std::move(ownedPort));
    }
    FakeSynth* synth;
    FakePort* port;
    std::unique_ptr<SystemMidiDevice> device;
};

TEST(SystemMidiDevice, ExistsAndOpensWhenEitherOutputDoes) {
    for (const bool synthWorks : {true, false}) {
        for (const bool portWorks : {true, false}) {
            Rig rig;
            rig.synth->exists = rig.synth->opens = synthWorks;
            rig.port->exists = rig.port->opens = portWorks;
            const bool works = synthWorks || portWorks;
            MIDIOUTCAPSA caps{};
            EXPECT_EQ(rig.device->GetCaps(caps) == MMSYSERR_NOERROR, works);
            EXPECT_EQ(rig.device->Open() == MMSYSERR_NOERROR, works);
            EXPECT_EQ(rig.device->ShortMsg(kMiddleC) == MMSYSERR_INVALHANDLE, !works);
            rig.device->Close();
            // Only what opened is closed.
            EXPECT_EQ(rig.synth->closeCalls, synthWorks ? 1 : 0);
            EXPECT_EQ(rig.port->closeCalls, portWorks ? 1 : 0);
        }
    }
}

TEST(SystemMidiDevice, NotesFollowTheSubscriptionAtEachSend) {
    Rig rig;
    ASSERT_EQ(rig.device->Open(), MMSYSERR_NOERROR);
    rig.device->ShortMsg(kMiddleC);
    rig.port->subscribed = true;  // a synth gets connected to the port
    rig.device->ShortMsg(kHighA);
    rig.port->subscribed = false;  // the last subscription goes
    rig.device->ShortMsg(kMiddleC);
    EXPECT_EQ(rig.synth->received, (std::vector<DWORD>{kMiddleC, kMiddleC}));
    EXPECT_EQ(rig.port->received, (std::vector<DWORD>{kHighA}));
}

TEST(SystemMidiDevice, EachOutputAloneGetsEveryNote) {
    Rig portOnly;
    portOnly.synth->opens = false;
    ASSERT_EQ(portOnly.device->Open(), MMSYSERR_NOERROR);
    portOnly.device->ShortMsg(kMiddleC);
    EXPECT_EQ(portOnly.port->received, (std::vector<DWORD>{kMiddleC}));

    Rig synthOnly;
    synthOnly.port->opens = false;
    ASSERT_EQ(synthOnly.device->Open(), MMSYSERR_NOERROR);
    synthOnly.device->ShortMsg(kMiddleC);
    EXPECT_EQ(synthOnly.synth->received, (std::vector<DWORD>{kMiddleC}));
    EXPECT_EQ(synthOnly.port->subscriberChecks, 0);
}

TEST(SystemMidiDevice, WhatIsNoMidiMessageReachesNeitherOutput) {
    Rig rig;
    ASSERT_EQ(rig.device->Open(), MMSYSERR_NOERROR);
    EXPECT_EQ(rig.device->ShortMsg(0x503C00), MMSYSERR_NOERROR);
    EXPECT_TRUE(rig.synth->received.empty());
    EXPECT_TRUE(rig.port->received.empty());
    EXPECT_EQ(rig.port->subscriberChecks, 0);  // and costs no question to the sequencer
}

TEST(SystemMidiDevice, OpensOnceAndClosesBothOutputsAtCloseOrDestruction) {
    Rig rig;
    int closes = 0;  // outlives the outputs, which the device owns
    rig.synth->closeTally = &closes;
    rig.port->closeTally = &closes;
    EXPECT_EQ(rig.device->Close(), MMSYSERR_INVALHANDLE);
    ASSERT_EQ(rig.device->Open(), MMSYSERR_NOERROR);
    EXPECT_EQ(rig.device->Open(), MMSYSERR_ALLOCATED);
    EXPECT_EQ(rig.device->Close(), MMSYSERR_NOERROR);
    EXPECT_EQ(closes, 2);
    ASSERT_EQ(rig.device->Open(), MMSYSERR_NOERROR);
    rig.device.reset();
    EXPECT_EQ(closes, 4);
}

}  // namespace
