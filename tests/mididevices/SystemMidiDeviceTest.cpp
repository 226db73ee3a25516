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

class SystemMidiDeviceTest : public testing::Test {
  protected:
    Rig m_rig;
    FakeSynth* m_synth = m_rig.synth;
    FakePort* m_port = m_rig.port;
    std::unique_ptr<SystemMidiDevice>& m_device = m_rig.device;
};

TEST_F(SystemMidiDeviceTest, ExistsWhenEitherOutputCan) {
    struct Case {
        bool synthExists;
        bool portExists;
        bool exists;
    };
    const Case cases[] = {
        {true, true, true}, {true, false, true}, {false, true, true}, {false, false, false}};
    for (const Case& c : cases) {
        m_synth->exists = c.synthExists;
        m_port->exists = c.portExists;
        MIDIOUTCAPSA caps{};
        EXPECT_EQ(m_device->GetCaps(caps) == MMSYSERR_NOERROR, c.exists)
            << c.synthExists << c.portExists;
    }
}

TEST(SystemMidiDevice, OpensWhenEitherOutputOpens) {
    struct Case {
        bool synthOpens;
        bool portOpens;
        bool opens;
    };
    const Case cases[] = {
        {true, true, true}, {true, false, true}, {false, true, true}, {false, false, false}};
    for (const Case& c : cases) {
        Rig rig;
        rig.synth->opens = c.synthOpens;
        rig.port->opens = c.portOpens;
        EXPECT_EQ(rig.device->Open() == MMSYSERR_NOERROR, c.opens) << c.synthOpens << c.portOpens;
        EXPECT_EQ(rig.device->ShortMsg(kMiddleC) == MMSYSERR_INVALHANDLE, !c.opens);
        rig.device->Close();
        // Only what opened is closed.
        EXPECT_EQ(rig.synth->closeCalls, c.synthOpens ? 1 : 0);
        EXPECT_EQ(rig.port->closeCalls, c.portOpens ? 1 : 0);
    }
}

TEST_F(SystemMidiDeviceTest, NotesFollowTheSubscriptionAtEachSend) {
    ASSERT_EQ(m_device->Open(), MMSYSERR_NOERROR);
    m_device->ShortMsg(kMiddleC);
    m_port->subscribed = true;  // a synth gets connected to the port
    m_device->ShortMsg(kHighA);
    m_port->subscribed = false;  // the last subscription goes
    m_device->ShortMsg(kMiddleC);
    EXPECT_EQ(m_synth->received, (std::vector<DWORD>{kMiddleC, kMiddleC}));
    EXPECT_EQ(m_port->received, (std::vector<DWORD>{kHighA}));
}

TEST_F(SystemMidiDeviceTest, WithoutTheBuiltInSynthThePortGetsEveryNote) {
    m_synth->opens = false;
    ASSERT_EQ(m_device->Open(), MMSYSERR_NOERROR);
    m_device->ShortMsg(kMiddleC);
    EXPECT_EQ(m_port->received, (std::vector<DWORD>{kMiddleC}));
    EXPECT_TRUE(m_synth->received.empty());
}

TEST_F(SystemMidiDeviceTest, WithoutThePortTheSynthGetsEveryNoteUnasked) {
    m_port->opens = false;
    ASSERT_EQ(m_device->Open(), MMSYSERR_NOERROR);
    m_device->ShortMsg(kMiddleC);
    EXPECT_EQ(m_synth->received, (std::vector<DWORD>{kMiddleC}));
    EXPECT_EQ(m_port->subscriberChecks, 0);
}

TEST_F(SystemMidiDeviceTest, WhatIsNoMidiMessageReachesNeitherOutput) {
    ASSERT_EQ(m_device->Open(), MMSYSERR_NOERROR);
    EXPECT_EQ(m_device->ShortMsg(0x503C00), MMSYSERR_NOERROR);
    EXPECT_TRUE(m_synth->received.empty());
    EXPECT_TRUE(m_port->received.empty());
    EXPECT_EQ(m_port->subscriberChecks, 0);
}

TEST_F(SystemMidiDeviceTest, OpenCloseLifecycle) {
    EXPECT_EQ(m_device->Close(), MMSYSERR_INVALHANDLE);
    ASSERT_EQ(m_device->Open(), MMSYSERR_NOERROR);
    EXPECT_EQ(m_device->Open(), MMSYSERR_ALLOCATED);
    EXPECT_EQ(m_device->Close(), MMSYSERR_NOERROR);
    EXPECT_FALSE(m_synth->open);
    EXPECT_FALSE(m_port->open);
    EXPECT_EQ(m_device->ShortMsg(kMiddleC), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(m_device->Open(), MMSYSERR_NOERROR);
}

TEST_F(SystemMidiDeviceTest, DestroyingAnOpenDeviceClosesBothOutputs) {
    int closes = 0;  // outlives the outputs, which the device owns
    m_synth->closeTally = &closes;
    m_port->closeTally = &closes;
    ASSERT_EQ(m_device->Open(), MMSYSERR_NOERROR);
    m_device.reset();
    EXPECT_EQ(closes, 2);
}

}  // namespace
