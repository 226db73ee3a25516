// Who reads from a port of the sequencer: every port subscribed to it, as a patchbay
// shows the connections going out of it.
#pragma once

#include <alsa/asoundlib.h>

#include <vector>

namespace alsaseq {

std::vector<snd_seq_addr_t> PortReaders(snd_seq_t* sequencer, const snd_seq_addr_t& port);

}  // namespace alsaseq
