// A MIDI keyboard for the tests on a JACK server of their own: a client "test-keyboard" with
// one output port, "keys", registered as physical, as a bridge from a real keyboard is.
// Each line on standard input, "on KEY" or "off KEY", is sent in the next cycle; "ready"
// is printed once the port is there. Ends at the end of its input.
#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

jack_port_t* g_port = nullptr;
jack_ringbuffer_t* g_queued = nullptr;

int Process(jack_nframes_t frames, void*) {
    void* buffer = jack_port_get_buffer(g_port, frames);
    jack_midi_clear_buffer(buffer);
    unsigned char message[3];
    while (jack_ringbuffer_read_space(g_queued) >= sizeof message) {
        jack_ringbuffer_read(g_queued, reinterpret_cast<char*>(message), sizeof message);
        jack_midi_event_write(buffer, 0, message, sizeof message);
    }
    return 0;
}

}  // namespace

int main() {
    jack_client_t* client = jack_client_open("test-keyboard", JackNoStartServer, nullptr);
    if (client == nullptr) {
        std::fprintf(stderr, "jack_keyboard: no JACK server\n");
        return 1;
    }
    g_queued = jack_ringbuffer_create(4096);
    g_port = jack_port_register(client, "keys", JACK_DEFAULT_MIDI_TYPE,
                                JackPortIsOutput | JackPortIsPhysical | JackPortIsTerminal, 0);
    if (g_port == nullptr || jack_set_process_callback(client, Process, nullptr) != 0 ||
        jack_activate(client) != 0) {
        std::fprintf(stderr, "jack_keyboard: cannot register the port\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    std::string word;
    int key = 0;
    while (std::cin >> word >> key) {
        const unsigned char message[3] = {static_cast<unsigned char>(word == "on" ? 0x90 : 0x80),
                                          static_cast<unsigned char>(key), 80};
        jack_ringbuffer_write(g_queued, reinterpret_cast<const char*>(message), sizeof message);
    }
    jack_client_close(client);
    return 0;
}
