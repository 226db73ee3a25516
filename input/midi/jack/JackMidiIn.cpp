#include "input/midi/jack/JackMidiIn.h"

#include <jack/midiport.h>
#include <pthread.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace input::midi {
namespace {

constexpr std::size_t kQueuedKeys = 512;

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// "Digital Piano (system:midi_capture_1)" where the port has an alias, as a bridge from
// ALSA gives one; else the port's own name.
std::string NameOfPort(jack_client_t* client, const std::string& portName) {
    jack_port_t* port = jack_port_by_name(client, portName.c_str());
    const int size = jack_port_name_size();
    std::vector<char> first(static_cast<std::size_t>(size)), second(first.size());
    char* aliases[2] = {first.data(), second.data()};
    if (port != nullptr && jack_port_get_aliases(port, aliases) > 0 && aliases[0][0] != '\0') {
        return std::string(aliases[0]) + " (" + portName + ")";
    }
    return portName;
}

}  // namespace

JackMidiIn::JackMidiIn(MidiInSink& sink) : m_sink(sink) {
    sem_init(&m_wake, 0, 0);
}

JackMidiIn::~JackMidiIn() {
    Close();
    sem_destroy(&m_wake);
}

bool JackMidiIn::Open() {
    jack_status_t status{};
    m_client = jack_client_open("Canzet", JackNoStartServer, &status);
    if (m_client == nullptr) {
        return false;
    }
    m_port = jack_port_register(m_client, "midi_in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    m_keys = jack_ringbuffer_create(kQueuedKeys * sizeof(KeyEvent));
    if (m_port == nullptr || m_keys == nullptr ||
        jack_set_process_callback(m_client, &Process, this) != 0 ||
        jack_set_port_registration_callback(m_client, &PortRegistered, this) != 0 ||
        jack_set_client_registration_callback(m_client, &ClientRegistered, this) != 0) {
        Close();
        return false;
    }
    jack_on_shutdown(m_client, &ServerGone, this);
    m_stop = false;
    m_serverGone = false;
    m_portsChanged = true;
    if (jack_activate(m_client) != 0) {
        Close();
        return false;
    }
    m_worker = std::thread([this] { Work(); });
    sem_post(&m_wake);
    return true;
}

void JackMidiIn::Close() {
    if (m_worker.joinable()) {
        m_stop = true;
        sem_post(&m_wake);
        m_worker.join();
    }
    if (m_client != nullptr) {
        jack_client_close(m_client);
        m_client = nullptr;
        m_port = nullptr;
    }
    if (m_keys != nullptr) {
        jack_ringbuffer_free(m_keys);
        m_keys = nullptr;
    }
}

// The server's real-time thread: no lock, no allocation; a key that finds the queue full
// is dropped rather than wait.
int JackMidiIn::Process(jack_nframes_t frames, void* self) {
    auto& in = *static_cast<JackMidiIn*>(self);
    void* buffer = jack_port_get_buffer(in.m_port, frames);
    const jack_nframes_t count = jack_midi_get_event_count(buffer);
    if (count == 0) {
        return 0;
    }
    const std::int64_t arrived = NowMs();
    bool queued = false;
    for (jack_nframes_t i = 0; i < count; ++i) {
        jack_midi_event_t event{};
        if (jack_midi_event_get(&event, buffer, i) != 0) {
            continue;
        }
        for (std::size_t b = 0; b < event.size; ++b) {
            const MidiInDecoder::Result result = in.m_decoder.Feed(event.buffer[b]);
            if (!result.key || jack_ringbuffer_write_space(in.m_keys) < sizeof(KeyEvent)) {
                continue;
            }
            const KeyEvent key{.key = result.key->key, .down = result.key->down, .timeMs = arrived};
            jack_ringbuffer_write(in.m_keys, reinterpret_cast<const char*>(&key), sizeof key);
            queued = true;
        }
    }
    if (queued) {
        sem_post(&in.m_wake);
    }
    return 0;
}

void JackMidiIn::PortRegistered(jack_port_id_t, int, void* self) {
    auto& in = *static_cast<JackMidiIn*>(self);
    in.m_portsChanged = true;
    sem_post(&in.m_wake);
}

// A client that leaves may still list its ports when their own news comes.
void JackMidiIn::ClientRegistered(const char*, int, void* self) {
    PortRegistered(0, 0, self);
}

void JackMidiIn::ServerGone(void* self) {
    auto& in = *static_cast<JackMidiIn*>(self);
    in.m_serverGone = true;
    sem_post(&in.m_wake);
}

void JackMidiIn::Work() {
    pthread_setname_np(pthread_self(), "canzet-midi-in");
    while (!m_stop) {
        while (sem_wait(&m_wake) != 0 && errno == EINTR) {
        }
        KeyEvent key;
        while (jack_ringbuffer_read_space(m_keys) >= sizeof key) {
            jack_ringbuffer_read(m_keys, reinterpret_cast<char*>(&key), sizeof key);
            m_sink.KeyPlayed(key);
        }
        if (m_serverGone) {
            for (const Connected& connected : m_connected) {
                m_sink.KeyboardWent(connected.shown);
            }
            m_connected.clear();
            return;
        }
        if (m_portsChanged.exchange(false)) {
            FollowPorts();
        }
    }
}

void JackMidiIn::FollowPorts() {
    std::vector<std::string> present;
    if (const char** ports = jack_get_ports(m_client, nullptr, JACK_DEFAULT_MIDI_TYPE,
                                            JackPortIsOutput | JackPortIsPhysical)) {
        for (const char** port = ports; *port != nullptr; ++port) {
            present.emplace_back(*port);
        }
        jack_free(static_cast<void*>(ports));
    }
    std::erase_if(m_connected, [&](const Connected& connected) {
        if (std::find(present.begin(), present.end(), connected.port) != present.end()) {
            return false;
        }
        m_sink.KeyboardWent(connected.shown);
        return true;
    });
    for (const std::string& port : present) {
        if (std::any_of(m_connected.begin(), m_connected.end(),
                        [&](const Connected& connected) { return connected.port == port; })) {
            continue;
        }
        const int result = jack_connect(m_client, port.c_str(), jack_port_name(m_port));
        if (result == 0 || result == EEXIST) {
            m_connected.push_back({port, NameOfPort(m_client, port)});
            m_sink.KeyboardCame(m_connected.back().shown);
        }
    }
}

}  // namespace input::midi
