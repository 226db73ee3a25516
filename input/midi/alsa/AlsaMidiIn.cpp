#include "input/midi/alsa/AlsaMidiIn.h"

#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <set>
#include <string_view>
#include <utility>

#include "alsaseq/PortReaders.h"

namespace input::midi {
namespace {

constexpr std::string_view kThrough = "Midi Through";

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool operator==(const snd_seq_addr_t& a, const snd_seq_addr_t& b) {
    return a.client == b.client && a.port == b.port;
}

}  // namespace

AlsaMidiIn::~AlsaMidiIn() {
    Close();
}

bool AlsaMidiIn::Open() {
    if (snd_seq_open(&m_sequencer, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) < 0) {
        m_sequencer = nullptr;
        return false;
    }
    snd_seq_set_client_name(m_sequencer, "Canzet");
    m_port = snd_seq_create_simple_port(
        m_sequencer, "keyboards", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
        SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    // The announcements of ports and subscriptions come to the same port.
    if (m_port < 0 ||
        snd_seq_connect_from(m_sequencer, m_port, SND_SEQ_CLIENT_SYSTEM,
                             SND_SEQ_PORT_SYSTEM_ANNOUNCE) < 0 ||
        !m_listener.Start(m_sequencer, [this] { Listen(); })) {
        Close();
        return false;
    }
    return true;
}

void AlsaMidiIn::Close() {
    m_listener.Stop();
    if (m_sequencer != nullptr) {
        snd_seq_close(m_sequencer);
        m_sequencer = nullptr;
    }
    m_port = -1;
    m_subscribed.clear();
}

void AlsaMidiIn::Listen() {
    pthread_setname_np(pthread_self(), "canzet-alsa-in");
    FollowPorts();
    while (m_listener.Wait()) {
        bool portsChanged = false;
        snd_seq_event_t* event = nullptr;
        while (snd_seq_event_input(m_sequencer, &event) >= 0 && event != nullptr) {
            switch (event->type) {
                case SND_SEQ_EVENT_PORT_START:
                case SND_SEQ_EVENT_PORT_EXIT:
                case SND_SEQ_EVENT_PORT_CHANGE:
                case SND_SEQ_EVENT_CLIENT_EXIT:
                case SND_SEQ_EVENT_PORT_SUBSCRIBED:
                case SND_SEQ_EVENT_PORT_UNSUBSCRIBED:
                    portsChanged = portsChanged || event->source.client == SND_SEQ_CLIENT_SYSTEM;
                    break;
                default:
                    Received(*event);
            }
            event = nullptr;
        }
        if (portsChanged) {
            FollowPorts();
        }
    }
    for (const Source& source : m_subscribed) {
        m_sink.KeyboardWent(source.shown);
    }
}

void AlsaMidiIn::Received(const snd_seq_event_t& event) {
    const bool on = event.type == SND_SEQ_EVENT_NOTEON;
    if ((!on && event.type != SND_SEQ_EVENT_NOTEOFF) || IsOwnClient(event.source.client)) {
        return;
    }
    m_sink.KeyPlayed({.key = event.data.note.note,
                      .down = on && event.data.note.velocity > 0,
                      .timeMs = NowMs()});
}

bool AlsaMidiIn::IsOwnClient(int client) {
    snd_seq_client_info_t* info = nullptr;
    snd_seq_client_info_alloca(&info);
    return client == snd_seq_client_id(m_sequencer) ||
           (snd_seq_get_any_client_info(m_sequencer, client, info) >= 0 &&
            snd_seq_client_info_get_pid(info) == getpid());
}

// Every port others may read from, but the system's, Midi Through, Canzet's own and those
// Canzet's ports send to.
std::vector<AlsaMidiIn::Source> AlsaMidiIn::FitSources() {
    std::vector<Source> candidates;
    std::vector<snd_seq_addr_t> ownPorts;
    snd_seq_client_info_t* client = nullptr;
    snd_seq_port_info_t* port = nullptr;
    snd_seq_client_info_alloca(&client);
    snd_seq_port_info_alloca(&port);
    snd_seq_client_info_set_client(client, -1);
    while (snd_seq_query_next_client(m_sequencer, client) >= 0) {
        const int id = snd_seq_client_info_get_client(client);
        const std::string_view name = snd_seq_client_info_get_name(client);
        const bool own = IsOwnClient(id);
        snd_seq_port_info_set_client(port, id);
        snd_seq_port_info_set_port(port, -1);
        while (snd_seq_query_next_port(m_sequencer, port) >= 0) {
            const snd_seq_addr_t address = *snd_seq_port_info_get_addr(port);
            if (own) {
                ownPorts.push_back(address);
                continue;
            }
            const unsigned caps = snd_seq_port_info_get_capability(port);
            if (id == SND_SEQ_CLIENT_SYSTEM || name.starts_with(kThrough) ||
                (caps & SND_SEQ_PORT_CAP_SUBS_READ) == 0 ||
                (caps & SND_SEQ_PORT_CAP_NO_EXPORT) != 0) {
                continue;
            }
            candidates.push_back({address, std::string(snd_seq_port_info_get_name(port)) + " (" +
                                               std::to_string(address.client) + ":" +
                                               std::to_string(address.port) + ")"});
        }
    }
    // Where Canzet's own ports send: a synth, or an instrument's input, that may pass it on.
    std::set<std::pair<int, int>> fedByCanzet;
    for (const snd_seq_addr_t& own : ownPorts) {
        for (const snd_seq_addr_t& to : alsaseq::PortReaders(m_sequencer, own)) {
            fedByCanzet.emplace(to.client, to.port);
        }
    }
    std::erase_if(candidates, [&](const Source& source) {
        return fedByCanzet.count({source.address.client, source.address.port}) > 0;
    });
    return candidates;
}

void AlsaMidiIn::FollowPorts() {
    const std::vector<Source> fit = FitSources();
    const auto in = [](const std::vector<Source>& sources, const snd_seq_addr_t& address) {
        return std::any_of(sources.begin(), sources.end(),
                           [&](const Source& s) { return s.address == address; });
    };
    std::erase_if(m_subscribed, [&](const Source& source) {
        if (in(fit, source.address)) {
            return false;
        }
        // Gone already, or now fed by Canzet: no longer heard either way.
        snd_seq_disconnect_from(m_sequencer, m_port, source.address.client, source.address.port);
        m_sink.KeyboardWent(source.shown);
        return true;
    });
    for (const Source& source : fit) {
        if (in(m_subscribed, source.address)) {
            continue;
        }
        // Busy: someone connected the two already.
        const int result =
            snd_seq_connect_from(m_sequencer, m_port, source.address.client, source.address.port);
        if (result >= 0 || result == -EBUSY) {
            m_subscribed.push_back(source);
            m_sink.KeyboardCame(source.shown);
        }
    }
}

}  // namespace input::midi
