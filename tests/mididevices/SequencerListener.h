// A second sequencer client, as a synth connected with aconnect would be: it subscribes to a
// port, reads what arrives and looks up names the way a patchbay shows them.
#pragma once

#include <alsa/asoundlib.h>
#include <poll.h>

#include <optional>
#include <string>

class SequencerListener {
  public:
    SequencerListener() {
        if (snd_seq_open(&m_sequencer, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) >= 0) {
            m_port = snd_seq_create_simple_port(
                m_sequencer, "in", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
                SND_SEQ_PORT_TYPE_MIDI_GENERIC);
        }
    }
    ~SequencerListener() {
        if (m_port >= 0) {
            snd_seq_close(m_sequencer);
        }
    }
    SequencerListener(const SequencerListener&) = delete;
    SequencerListener& operator=(const SequencerListener&) = delete;

    bool Ready() const { return m_port >= 0; }
    bool Subscribe(int client, int port) {
        return snd_seq_connect_from(m_sequencer, m_port, client, port) >= 0;
    }
    bool Unsubscribe(int client, int port) {
        return snd_seq_disconnect_from(m_sequencer, m_port, client, port) >= 0;
    }

    // The next event, waiting a few seconds at most.
    std::optional<snd_seq_event_t> Receive() {
        pollfd descriptor{};
        snd_seq_poll_descriptors(m_sequencer, &descriptor, 1, POLLIN);
        snd_seq_event_t* event = nullptr;
        if (snd_seq_event_input(m_sequencer, &event) < 0 && poll(&descriptor, 1, 3000) > 0) {
            snd_seq_event_input(m_sequencer, &event);
        }
        return event != nullptr ? std::optional(*event) : std::nullopt;
    }

    // "client name:port name", as aconnect -l shows it; none when there is no such port.
    std::optional<std::string> PortName(int client, int port) {
        snd_seq_client_info_t* clientInfo = nullptr;
        snd_seq_port_info_t* portInfo = nullptr;
        snd_seq_client_info_alloca(&clientInfo);
        snd_seq_port_info_alloca(&portInfo);
        if (snd_seq_get_any_client_info(m_sequencer, client, clientInfo) < 0 ||
            snd_seq_get_any_port_info(m_sequencer, client, port, portInfo) < 0) {
            return std::nullopt;
        }
        return std::string(snd_seq_client_info_get_name(clientInfo)) + ":" +
               snd_seq_port_info_get_name(portInfo);
    }

  private:
    snd_seq_t* m_sequencer = nullptr;
    int m_port = -1;
};
