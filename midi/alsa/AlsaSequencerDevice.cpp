#include "midi/alsa/AlsaSequencerDevice.h"

#include <cstring>

#include "alsaseq/PortReaders.h"
#include "midi/ShortMessage.h"
#include "midi/alsa/SequencerEvent.h"

namespace {

constexpr const char* kName = "Canzet";
constexpr int kAllNotesOff = 123;

snd_seq_t* OpenSequencer(std::string* whyNot, const SoundWords& words) {
    snd_seq_t* sequencer = nullptr;
    // Non-blocking: a full output queue drops a note rather than stall the window. Duplex,
    // so that the sequencer's announcements of subscriptions can be read.
    const int result = snd_seq_open(&sequencer, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK);
    if (result < 0) {
        if (whyNot != nullptr) {
            *whyNot = result == -ENOENT ? words.noSequencer : snd_strerror(result);
        }
        return nullptr;
    }
    return sequencer;
}

}  // namespace

AlsaSequencerDevice::~AlsaSequencerDevice() {
    Release();
}

MMRESULT AlsaSequencerDevice::GetCaps(MIDIOUTCAPSA& caps) {
    std::string whyNot;
    snd_seq_t* probe = OpenSequencer(&whyNot, m_words);
    if (probe == nullptr) {
        std::lock_guard lock(m_statusMutex);
        m_status = SayWith(m_words.noPort, {whyNot});
        return MMSYSERR_NODRIVER;
    }
    snd_seq_close(probe);
    caps = MIDIOUTCAPSA{};
    std::strncpy(caps.szPname, "ALSA sequencer port Canzet", sizeof caps.szPname - 1);
    caps.wChannelMask = 0xFFFF;
    return MMSYSERR_NOERROR;
}

MMRESULT AlsaSequencerDevice::Open() {
    if (m_sequencer != nullptr) {
        return MMSYSERR_ALLOCATED;
    }
    std::string whyNot;
    m_sequencer = OpenSequencer(&whyNot, m_words);
    if (m_sequencer == nullptr) {
        std::lock_guard lock(m_statusMutex);
        m_status = SayWith(m_words.noPort, {whyNot});
        return MMSYSERR_NODRIVER;
    }
    if (snd_seq_set_client_name(m_sequencer, kName) < 0) {
        Release();
        return MMSYSERR_ERROR;
    }
    m_port = snd_seq_create_simple_port(
        m_sequencer, kName, SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
        SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    if (m_port < 0) {
        Release();
        return MMSYSERR_ERROR;
    }
    {
        std::lock_guard lock(m_statusMutex);
        m_status = SayWith(m_words.port, {std::string(kName) + ":" + kName + " (" +
                                          std::to_string(snd_seq_client_id(m_sequencer)) + ":" +
                                          std::to_string(m_port) + ")"});
        m_listeners.clear();
    }
    m_programChange = 0;
    if (!StartWatching()) {
        Release();
        return MMSYSERR_ERROR;
    }
    return MMSYSERR_NOERROR;
}

MMRESULT AlsaSequencerDevice::ShortMsg(DWORD message) {
    if (m_sequencer == nullptr) {
        return MMSYSERR_INVALHANDLE;
    }
    const auto decoded = DecodeShortMessage(message);
    if (!decoded) {
        return MMSYSERR_NOERROR;  // not a channel message: nothing for a synth to hear
    }
    if (decoded->kind == ChannelMessageKind::ProgramChange) {
        m_programChange = message;
    }
    snd_seq_event_t event = ToSequencerEvent(*decoded, m_port);
    return snd_seq_event_output_direct(m_sequencer, &event) < 0 ? MMSYSERR_ERROR : MMSYSERR_NOERROR;
}

MMRESULT AlsaSequencerDevice::Close() {
    if (m_sequencer == nullptr) {
        return MMSYSERR_INVALHANDLE;
    }
    Release();
    return MMSYSERR_NOERROR;
}

bool AlsaSequencerDevice::HasSubscribers() {
    if (m_sequencer == nullptr) {
        return false;
    }
    // One query of the port's own record: its count of readers. The record lives on the
    // stack, as the status line may ask from the port's own thread.
    snd_seq_port_info_t* info = nullptr;
    snd_seq_port_info_alloca(&info);
    return snd_seq_get_port_info(m_sequencer, m_port, info) >= 0 &&
           snd_seq_port_info_get_read_use(info) > 0;
}

std::string AlsaSequencerDevice::Status() const {
    std::lock_guard lock(m_statusMutex);
    return m_listeners.empty() ? m_status : SayWith(m_words.connectedTo, {m_status, m_listeners});
}

int AlsaSequencerDevice::ClientId() const {
    return m_sequencer != nullptr ? snd_seq_client_id(m_sequencer) : -1;
}

bool AlsaSequencerDevice::StartWatching() {
    // A port of no use to anyone else (not offered for connections) that hears the
    // sequencer's announcements.
    m_announcePort = snd_seq_create_simple_port(m_sequencer, "subscriptions",
                                                SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT,
                                                SND_SEQ_PORT_TYPE_APPLICATION);
    return m_announcePort >= 0 &&
           snd_seq_connect_from(m_sequencer, m_announcePort, SND_SEQ_CLIENT_SYSTEM,
                                SND_SEQ_PORT_SYSTEM_ANNOUNCE) >= 0 &&
           m_watcher.Start(m_sequencer, [this] { Watch(); });
}

void AlsaSequencerDevice::Watch() {
    while (m_watcher.Wait()) {
        snd_seq_event_t* event = nullptr;
        while (snd_seq_event_input(m_sequencer, &event) >= 0 && event != nullptr) {
            if ((event->type == SND_SEQ_EVENT_PORT_SUBSCRIBED ||
                 event->type == SND_SEQ_EVENT_PORT_UNSUBSCRIBED) &&
                event->data.connect.sender.client == snd_seq_client_id(m_sequencer) &&
                event->data.connect.sender.port == m_port) {
                Subscription(*event);
            }
            event = nullptr;
        }
    }
}

void AlsaSequencerDevice::Subscription(const snd_seq_event_t& event) {
    const snd_seq_addr_t& listener = event.data.connect.dest;
    if (event.type == SND_SEQ_EVENT_PORT_UNSUBSCRIBED) {
        // It no longer hears the port, so it is told directly.
        TellDirectly(listener, {ChannelMessageKind::ControlChange, 0, kAllNotesOff, 0});
    } else if (const auto program = DecodeShortMessage(m_programChange)) {
        TellDirectly(listener, *program);
    }
    // Everyone still connected, as a patchbay names them.
    std::string names;
    const snd_seq_addr_t self{static_cast<unsigned char>(snd_seq_client_id(m_sequencer)),
                              static_cast<unsigned char>(m_port)};
    for (const snd_seq_addr_t& reader : alsaseq::PortReaders(m_sequencer, self)) {
        names += (names.empty() ? "" : ", ") + NameOf(reader);
    }
    {
        std::lock_guard lock(m_statusMutex);
        m_listeners = names;
    }
    if (m_listener) {
        m_listener();
    }
}

void AlsaSequencerDevice::TellDirectly(const snd_seq_addr_t& subscriber,
                                       const ChannelMessage& message) {
    snd_seq_event_t event = ToSequencerEvent(message, m_port);
    snd_seq_ev_set_dest(&event, subscriber.client, subscriber.port);
    snd_seq_event_output_direct(m_sequencer, &event);
}

std::string AlsaSequencerDevice::NameOf(const snd_seq_addr_t& address) {
    snd_seq_client_info_t* client = nullptr;
    snd_seq_port_info_t* port = nullptr;
    snd_seq_client_info_alloca(&client);
    snd_seq_port_info_alloca(&port);
    const std::string where =
        " (" + std::to_string(address.client) + ":" + std::to_string(address.port) + ")";
    if (snd_seq_get_any_client_info(m_sequencer, address.client, client) < 0 ||
        snd_seq_get_any_port_info(m_sequencer, address.client, address.port, port) < 0) {
        return where.substr(1);
    }
    return std::string(snd_seq_client_info_get_name(client)) + ":" +
           snd_seq_port_info_get_name(port) + where;
}

void AlsaSequencerDevice::Release() {
    m_watcher.Stop();
    if (m_sequencer != nullptr) {
        snd_seq_close(m_sequencer);  // closing the client removes its ports
        m_sequencer = nullptr;
    }
    m_port = -1;
    m_announcePort = -1;
}
