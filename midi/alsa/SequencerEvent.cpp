#include "midi/alsa/SequencerEvent.h"

namespace {

// ALSA counts pitch bend from the centre, MIDI from the bottom of its 14 bits.
constexpr int kPitchBendCentre = 8192;

}  // namespace

snd_seq_event_t ToSequencerEvent(const ChannelMessage& message, int sourcePort) {
    snd_seq_event_t event;
    snd_seq_ev_clear(&event);
    snd_seq_ev_set_source(&event, sourcePort);
    snd_seq_ev_set_subs(&event);
    snd_seq_ev_set_direct(&event);
    const int channel = message.channel;
    switch (message.kind) {
        case ChannelMessageKind::NoteOff:
            snd_seq_ev_set_noteoff(&event, channel, message.data1, message.data2);
            break;
        case ChannelMessageKind::NoteOn:
            snd_seq_ev_set_noteon(&event, channel, message.data1, message.data2);
            break;
        case ChannelMessageKind::KeyPressure:
            snd_seq_ev_set_keypress(&event, channel, message.data1, message.data2);
            break;
        case ChannelMessageKind::ControlChange:
            snd_seq_ev_set_controller(&event, channel, message.data1, message.data2);
            break;
        case ChannelMessageKind::ProgramChange:
            snd_seq_ev_set_pgmchange(&event, channel, message.data1);
            break;
        case ChannelMessageKind::ChannelPressure:
            snd_seq_ev_set_chanpress(&event, channel, message.data1);
            break;
        case ChannelMessageKind::PitchBend:
            snd_seq_ev_set_pitchbend(&event, channel, message.PitchBendValue() - kPitchBendCentre);
            break;
    }
    return event;
}
