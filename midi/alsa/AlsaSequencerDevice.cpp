#include "midi/alsa/AlsaSequencerDevice.h"

#include <cstring>

#include "midi/ShortMessage.h"
#include "midi/alsa/SequencerEvent.h"

namespace {

constexpr const char* kName = "Canzet";

snd_seq_t* OpenSequencer() {
    snd_seq_t* sequencer = nullptr;
    // Non-blocking: a full output queue drops a note rather than stall the window.
    if (snd_seq_open(&sequencer, "default", SND_SEQ_OPEN_OUTPUT, SND_SEQ_NONBLOCK) < 0) {
        return nullptr;
    }
    return sequencer;
}

}  // namespace

AlsaSequencerDevice::~AlsaSequencerDevice() {
    Release();
}

MMRESULT AlsaSequencerDevice::GetCaps(MIDIOUTCAPSA& caps) {
    snd_seq_t* probe = OpenSequencer();
    if (probe == nullptr) {
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
    m_sequencer = OpenSequencer();
    if (m_sequencer == nullptr) {
        return MMSYSERR_NODRIVER;
    }
    if (snd_seq_set_client_name(m_sequencer, kName) < 0 ||
        snd_seq_port_info_malloc(&m_portInfo) < 0) {
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
    // One query of the port's own record: its count of readers.
    return snd_seq_get_port_info(m_sequencer, m_port, m_portInfo) >= 0 &&
           snd_seq_port_info_get_read_use(m_portInfo) > 0;
}

int AlsaSequencerDevice::ClientId() const {
    return m_sequencer != nullptr ? snd_seq_client_id(m_sequencer) : -1;
}

void AlsaSequencerDevice::Release() {
    if (m_portInfo != nullptr) {
        snd_seq_port_info_free(m_portInfo);
        m_portInfo = nullptr;
    }
    if (m_sequencer != nullptr) {
        snd_seq_close(m_sequencer);  // closing the client removes its port
        m_sequencer = nullptr;
    }
    m_port = -1;
}
