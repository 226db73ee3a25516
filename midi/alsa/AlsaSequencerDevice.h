// An ALSA sequencer client "Canzet" with one output port "Canzet". A hardware synth or
// another program connected to it (aconnect, any patchbay) receives the notes directly.
#pragma once

#include <alsa/asoundlib.h>

#include "midi/MidiPort.h"

class AlsaSequencerDevice : public MidiPort {
  public:
    AlsaSequencerDevice() = default;
    ~AlsaSequencerDevice() override;

    AlsaSequencerDevice(const AlsaSequencerDevice&) = delete;
    AlsaSequencerDevice& operator=(const AlsaSequencerDevice&) = delete;

    // Succeeds when the sequencer exists on this machine.
    MMRESULT GetCaps(MIDIOUTCAPSA& caps) override;
    // Publishes the port.
    MMRESULT Open() override;
    MMRESULT ShortMsg(DWORD message) override;
    MMRESULT Close() override;
    bool HasSubscribers() override;

    // Where the port can be found while open; -1 when closed.
    int ClientId() const;
    int PortId() const { return m_port; }

  private:
    void Release();

    snd_seq_t* m_sequencer = nullptr;
    snd_seq_port_info_t* m_portInfo = nullptr;  // reused for every subscriber check
    int m_port = -1;
};
