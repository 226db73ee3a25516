// A second sequencer client, like a synth someone connects with aconnect: it subscribes to
// a port and reads what arrives.
#pragma once

#include <alsa/asoundlib.h>

#include <optional>
#include <string>

class SequencerListener {
  public:
    SequencerListener();
    ~SequencerListener();
    SequencerListener(const SequencerListener&) = delete;
    SequencerListener& operator=(const SequencerListener&) = delete;

    bool Ready() const { return m_port >= 0; }
    bool Subscribe(int client, int port);
    bool Unsubscribe(int client, int port);
    // The next event, waiting a few seconds at most; none when nothing came.
    std::optional<snd_seq_event_t> Receive();

    std::optional<std::string> ClientName(int client);
    std::optional<std::string> PortName(int client, int port);
    unsigned int PortCapabilities(int client, int port);

  private:
    snd_seq_t* m_sequencer = nullptr;
    int m_port = -1;
};
