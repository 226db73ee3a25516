// A channel message as an ALSA sequencer event, sent at once to every subscriber of a port.
#pragma once

#include <alsa/asoundlib.h>

#include "midi/ShortMessage.h"

snd_seq_event_t ToSequencerEvent(const ChannelMessage& message, int sourcePort);
