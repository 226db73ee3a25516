#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "FakeOutputs.h"
#include "midi/system/SystemMidiDevice.h"

namespace {

using namespace std::chrono_literals;

constexpr DWORD kMiddleC = 0x503C90;
constexpr DWORD kHighA = 0x505190;

constexpr DWORD kAllNotesOff = 0x7BB0;  // B0 7B 00

// The system device over two fakes the test keeps hold of.
struct Rig {
    explicit Rig(int program = -1) {
        auto ownedSynth = std::make_unique<FakeSynth>();
        auto ownedPort = std::make_unique<FakePort>();
        synth = ownedSynth.get();
        port = ownedPort.get();
        synth->status = "synth S";
        port->status = "port P";
        device = std::make_unique<SystemMidiDevice>(
            std::move(ownedSynth), std::move(ownedPort),
            [this](const std::string& line) { lines.push_back(line); }, program);
    }
    FakeSynth* synth;
    FakePort* port;
    std::vector<std::string> lines;
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

// The output left is silenced at once, whether the port tells of the change first or the
// next note finds it.
TEST(SystemMidiDevice, NotesFollowTheSubscriptionAndTheOutputLeftIsSilenced) {
    Rig rig;
    ASSERT_EQ(rig.device->Open(), MMSYSERR_NOERROR);
    rig.device->ShortMsg(kMiddleC);
    rig.port->subscribed = true;  // a synth gets connected to the port
    rig.port->subscriptionChanged();
    EXPECT_EQ(rig.synth->received, (std::vector<DWORD>{kMiddleC, kAllNotesOff}));
    rig.device->ShortMsg(kHighA);
    rig.port->subscribed = false;  // the last subscription goes, unannounced yet
    rig.device->ShortMsg(kMiddleC);
    EXPECT_EQ(rig.synth->received, (std::vector<DWORD>{kMiddleC, kAllNotesOff, kMiddleC}));
    EXPECT_EQ(rig.port->received, (std::vector<DWORD>{kHighA, kAllNotesOff}));
}

// With an instrument chosen a note-off waits a second for the next note, and goes just
// before it if it comes sooner.
TEST(SystemMidiDevice, ANoteOffRingsOnASecondUnlessTheNextNoteComesFirst) {
    constexpr DWORD kMiddleCOff = 0x403C80;
    constexpr DWORD kHighAOff = 0x405180;
    Rig rig(19);
    ASSERT_EQ(rig.device->Open(), MMSYSERR_NOERROR);
    rig.device->ShortMsg(kMiddleC);
    rig.device->ShortMsg(kMiddleCOff);
    rig.device->ShortMsg(kHighA);
    rig.device->ShortMsg(kHighAOff);
    const std::vector<DWORD> sent{0x13C0, kMiddleC, kMiddleCOff, kHighA};
    EXPECT_EQ(rig.synth->received, sent);
    std::this_thread::sleep_for(HeldNoteOffs::kRingOn + 300ms);
    rig.device->Close();
    std::vector<DWORD> rungOut = sent;
    rungOut.insert(rungOut.end(), {kHighAOff, kAllNotesOff});
    EXPECT_EQ(rig.synth->received, rungOut);
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
    const int checksAtOpen = rig.port->subscriberChecks;  // the status line asks once
    EXPECT_EQ(rig.device->ShortMsg(0x503C00), MMSYSERR_NOERROR);
    EXPECT_TRUE(rig.synth->received.empty());
    EXPECT_TRUE(rig.port->received.empty());
    EXPECT_EQ(rig.port->subscriberChecks, checksAtOpen);  // and costs no question to the sequencer
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

TEST(SystemMidiDevice, ClosingSendsAllNotesOffToBothOutputsAndNothingElseIsAdded) {
    Rig rig;
    ASSERT_EQ(rig.device->Open(), MMSYSERR_NOERROR);
    rig.device->ShortMsg(kMiddleC);
    rig.device->Close();
    EXPECT_EQ(rig.synth->received, (std::vector<DWORD>{kMiddleC, kAllNotesOff}));
    EXPECT_EQ(rig.port->received, (std::vector<DWORD>{kAllNotesOff}));
}

TEST(SystemMidiDevice, AnInstrumentIsSelectedOnBothOutputsRightAfterTheOpen) {
    Rig rig(18);  // General MIDI 19, church organ
    ASSERT_EQ(rig.device->Open(), MMSYSERR_NOERROR);
    rig.device->ShortMsg(kMiddleC);
    EXPECT_EQ(rig.synth->received, (std::vector<DWORD>{0x12C0, kMiddleC}));
    EXPECT_EQ(rig.port->received, (std::vector<DWORD>{0x12C0}));
}

// One line at the open, one at each change of subscription, none while nothing changes.
TEST(SystemMidiDevice, SaysWhereTheNotesGoAtTheOpenAndAtEachChange) {
    Rig rig;
    ASSERT_EQ(rig.device->Open(), MMSYSERR_NOERROR);
    EXPECT_EQ(rig.lines, (std::vector<std::string>{"sound: synth S; port P"}));
    rig.port->status = "port P, connected to Q";
    rig.port->subscribed = true;
    rig.port->subscriptionChanged();
    rig.port->status = "port P";
    rig.port->subscribed = false;
    rig.port->subscriptionChanged();
    rig.port->subscriptionChanged();
    EXPECT_EQ(rig.lines,
              (std::vector<std::string>{"sound: synth S; port P",
                                        "sound: port P, connected to Q; built-in synth idle",
                                        "sound: synth S; port P"}));
}

struct LineCase {
    bool synthOpens;
    bool portOpens;
    std::string line;
};

TEST(SystemMidiDevice, NamesTheCauseAndTheRemedyWhenNothingSounds) {
    const LineCase cases[] = {
        {true, false, "sound: synth S; no port"},
        {false, true, "no sound: no audio; connect a synth to port P or start a server"},
        {false, false, "no sound: no audio; no port; start a server"},
    };
    for (const LineCase& c : cases) {
        Rig rig;
        if (!c.synthOpens) {
            rig.synth->opens = false;
            rig.synth->status = "no audio";
            rig.synth->remedy = "start a server";
        }
        if (!c.portOpens) {
            rig.port->opens = false;
            rig.port->status = "no port";
        }
        rig.device->Open();
        ASSERT_EQ(rig.lines.size(), 1U);
        EXPECT_EQ(rig.lines[0], c.line);
    }
}

}  // namespace
