// MIDI keyboards through the ALSA sequencer: a client "Canzet" with one port that accepts
// input, "keyboards", subscribed to every port that offers itself as a MIDI source (one
// others may subscribe to for reading), present at start or appearing later, as the
// sequencer's announcements tell. It never subscribes to the system's own ports (timer,
// announce), to ports that pass on what they are sent (the kernel's "Midi Through", and any
// port one of Canzet's own ports sends to), nor to Canzet's own; events from Canzet's own
// clients are dropped, so the program's notes cannot come back into it. `aconnect` to and
// from the port works as with any client.
//
// It is a client of its own beside the output port's, which closes and opens again with the
// output device; the keyboards stay subscribed meanwhile.
#pragma once

#include <alsa/asoundlib.h>

#include <string>
#include <vector>

#include "alsaseq/SequencerListener.h"
#include "input/midi/MidiInSink.h"

namespace input::midi {

class AlsaMidiIn {
  public:
    explicit AlsaMidiIn(MidiInSink& sink) : m_sink(sink) {}
    ~AlsaMidiIn();
    AlsaMidiIn(const AlsaMidiIn&) = delete;
    AlsaMidiIn& operator=(const AlsaMidiIn&) = delete;

    // False when the machine has no sequencer.
    bool Open();
    void Close();

    int ClientId() const { return m_sequencer ? snd_seq_client_id(m_sequencer) : -1; }
    int PortId() const { return m_port; }

  private:
    struct Source {
        snd_seq_addr_t address;
        std::string shown;  // as told to the sink
    };

    void Listen();
    void Received(const snd_seq_event_t& event);
    // Subscribes to what is new and fit, drops what went or is no longer fit.
    void FollowPorts();
    std::vector<Source> FitSources();
    bool IsOwnClient(int client);

    MidiInSink& m_sink;
    snd_seq_t* m_sequencer = nullptr;
    int m_port = -1;
    alsaseq::SequencerListener m_listener;
    std::vector<Source> m_subscribed;  // the listener's
};

}  // namespace input::midi
