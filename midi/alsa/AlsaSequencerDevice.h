// An ALSA sequencer client "Canzet" with one output port "Canzet". A hardware synth or
// another program connected to it (aconnect, any patchbay) receives the notes directly.
// While open, a thread of the device's own follows the port's subscriptions: a subscriber
// that leaves is sent All Notes Off, so nothing it was playing keeps ringing, and one that
// comes is sent the instrument already chosen.
#pragma once

#include <alsa/asoundlib.h>

#include <atomic>
#include <mutex>
#include <string>
#include <utility>

#include "alsaseq/SequencerListener.h"
#include "midi/MidiPort.h"
#include "midi/ShortMessage.h"
#include "midi/SoundWords.h"

class AlsaSequencerDevice : public MidiPort {
  public:
    // The port says of itself in `words`.
    explicit AlsaSequencerDevice(SoundWords words = {}) : m_words(std::move(words)) {}
    ~AlsaSequencerDevice() override;

    AlsaSequencerDevice(const AlsaSequencerDevice&) = delete;
    AlsaSequencerDevice& operator=(const AlsaSequencerDevice&) = delete;

    // Succeeds when the sequencer exists on this machine.
    MMRESULT GetCaps(MIDIOUTCAPSA& caps) override;
    // Publishes the port.
    MMRESULT Open() override;
    MMRESULT ShortMsg(DWORD message) override;
    MMRESULT Close() override;
    bool HasSubscribers() override;
    // "MIDI port Canzet:Canzet (128:0)", with whoever is connected to it.
    std::string Status() const override;
    void SetSubscriptionListener(std::function<void()> listener) override {
        m_listener = std::move(listener);
    }

    // Where the port can be found while open; -1 when closed.
    int ClientId() const;
    int PortId() const { return m_port; }

  private:
    void Release();
    bool StartWatching();
    void Watch();
    void Subscription(const snd_seq_event_t& event);
    // Sends `message` to one subscriber only, at once.
    void TellDirectly(const snd_seq_addr_t& subscriber, const ChannelMessage& message);
    std::string NameOf(const snd_seq_addr_t& address);

    snd_seq_t* m_sequencer = nullptr;
    int m_port = -1;
    int m_announcePort = -1;  // where the sequencer tells of new subscriptions
    alsaseq::SequencerListener m_watcher;
    std::function<void()> m_listener;
    // The last program change sent, which a synth that connects later must hear too to
    // play the same instrument; 0 for none.
    std::atomic<DWORD> m_programChange{0};

    mutable std::mutex m_statusMutex;
    const SoundWords m_words;
    std::string m_status;
    std::string m_listeners;  // who is connected, for the status
};
