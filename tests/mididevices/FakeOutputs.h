// Outputs whose existence and listeners a test decides, and which record what reaches them.
#pragma once

#include <string>
#include <vector>

#include "midi/MidiPort.h"

template <typename Base>
class FakeOutput : public Base {
  public:
    bool exists = true;
    bool opens = true;
    int closeCalls = 0;
    int* closeTally = nullptr;  // counts closes where the test can read them after the fake
    std::vector<DWORD> received;
    std::string status = "fake output";
    std::string remedy;

    MMRESULT GetCaps(MIDIOUTCAPSA&) override { return exists ? 0 : MMSYSERR_NODRIVER; }
    MMRESULT Open() override { return opens ? 0 : MMSYSERR_ERROR; }
    MMRESULT ShortMsg(DWORD message) override {
        received.push_back(message);
        return MMSYSERR_NOERROR;
    }
    std::string Status() const override { return status; }
    std::string Remedy() const override { return remedy; }
    MMRESULT Close() override {
        ++closeCalls;
        if (closeTally != nullptr) {
            ++*closeTally;
        }
        return MMSYSERR_NOERROR;
    }
};

using FakeSynth = FakeOutput<MidiDevice>;

class FakePort : public FakeOutput<MidiPort> {
  public:
    bool subscribed = false;
    int subscriberChecks = 0;

    bool HasSubscribers() override {
        ++subscriberChecks;
        return subscribed;
    }
    void SetSubscriptionListener(std::function<void()> listener) override {
        subscriptionChanged = std::move(listener);
    }
    std::function<void()> subscriptionChanged;
};
