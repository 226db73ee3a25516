#include "SequencerListener.h"

#include <poll.h>

#include <vector>

SequencerListener::SequencerListener() {
    if (snd_seq_open(&m_sequencer, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) < 0) {
        m_sequencer = nullptr;
        return;
    }
    snd_seq_set_client_name(m_sequencer, "Canzet test listener");
    m_port = snd_seq_create_simple_port(m_sequencer, "in",
                                        SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
                                        SND_SEQ_PORT_TYPE_MIDI_GENERIC);
}

SequencerListener::~SequencerListener() {
    if (m_sequencer != nullptr) {
        snd_seq_close(m_sequencer);
    }
}

bool SequencerListener::Subscribe(int client, int port) {
    return snd_seq_connect_from(m_sequencer, m_port, client, port) >= 0;
}

bool SequencerListener::Unsubscribe(int client, int port) {
    return snd_seq_disconnect_from(m_sequencer, m_port, client, port) >= 0;
}

std::optional<snd_seq_event_t> SequencerListener::Receive() {
    std::vector<pollfd> descriptors(snd_seq_poll_descriptors_count(m_sequencer, POLLIN));
    snd_seq_poll_descriptors(m_sequencer, descriptors.data(), descriptors.size(), POLLIN);
    for (int wait = 0; wait < 2; ++wait) {
        snd_seq_event_t* event = nullptr;
        if (snd_seq_event_input(m_sequencer, &event) >= 0 && event != nullptr) {
            return *event;
        }
        poll(descriptors.data(), descriptors.size(), 3000);
    }
    return std::nullopt;
}

std::optional<std::string> SequencerListener::ClientName(int client) {
    snd_seq_client_info_t* info = nullptr;
    snd_seq_client_info_malloc(&info);
    std::optional<std::string> name;
    if (snd_seq_get_any_client_info(m_sequencer, client, info) >= 0) {
        name = snd_seq_client_info_get_name(info);
    }
    snd_seq_client_info_free(info);
    return name;
}

std::optional<std::string> SequencerListener::PortName(int client, int port) {
    snd_seq_port_info_t* info = nullptr;
    snd_seq_port_info_malloc(&info);
    std::optional<std::string> name;
    if (snd_seq_get_any_port_info(m_sequencer, client, port, info) >= 0) {
        name = snd_seq_port_info_get_name(info);
    }
    snd_seq_port_info_free(info);
    return name;
}

unsigned int SequencerListener::PortCapabilities(int client, int port) {
    snd_seq_port_info_t* info = nullptr;
    snd_seq_port_info_malloc(&info);
    unsigned int capabilities = 0;
    if (snd_seq_get_any_port_info(m_sequencer, client, port, info) >= 0) {
        capabilities = snd_seq_port_info_get_capability(info);
    }
    snd_seq_port_info_free(info);
    return capabilities;
}
