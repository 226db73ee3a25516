// MIDI keyboards through a JACK server (PipeWire's JACK too): a client "Canzet" with one
// MIDI input port, "midi_in", connected to every physical MIDI output port, and to each one
// registered later. It never starts a server: with none running, Open fails.
//
// The server's process thread only decodes and queues; a thread of this source's own,
// "canzet-midi-in", hands the keys to the sink and makes the connections, which the
// server's callbacks may not.
#pragma once

#include <jack/jack.h>
#include <jack/ringbuffer.h>
#include <semaphore.h>

#include <atomic>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "input/midi/MidiInDecoder.h"
#include "input/midi/MidiInSink.h"

namespace input::midi {

class JackMidiIn {
  public:
    explicit JackMidiIn(MidiInSink& sink);
    ~JackMidiIn();
    JackMidiIn(const JackMidiIn&) = delete;
    JackMidiIn& operator=(const JackMidiIn&) = delete;

    // False when no JACK server runs or it refuses the client.
    bool Open();
    void Close();

  private:
    static int Process(jack_nframes_t frames, void* self);
    static void PortRegistered(jack_port_id_t port, int registered, void* self);
    static void ClientRegistered(const char* name, int registered, void* self);
    static void ServerGone(void* self);
    void Work();
    // Connects what is new and tells of what went.
    void FollowPorts();

    MidiInSink& m_sink;
    jack_client_t* m_client = nullptr;
    jack_port_t* m_port = nullptr;
    jack_ringbuffer_t* m_keys = nullptr;
    sem_t m_wake{};
    std::atomic<bool> m_portsChanged{true};
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_serverGone{false};
    std::thread m_worker;
    MidiInDecoder m_decoder;  // the process thread's
    struct Connected {
        std::string port;
        std::string shown;  // as told to the sink
    };
    std::vector<Connected> m_connected;  // the worker's
};

}  // namespace input::midi
