#include "alsaseq/PortReaders.h"

namespace alsaseq {

std::vector<snd_seq_addr_t> PortReaders(snd_seq_t* sequencer, const snd_seq_addr_t& port) {
    std::vector<snd_seq_addr_t> readers;
    snd_seq_query_subscribe_t* query = nullptr;
    snd_seq_query_subscribe_alloca(&query);
    snd_seq_query_subscribe_set_root(query, &port);
    snd_seq_query_subscribe_set_type(query, SND_SEQ_QUERY_SUBS_READ);
    snd_seq_query_subscribe_set_index(query, 0);
    while (snd_seq_query_port_subscribers(sequencer, query) >= 0) {
        readers.push_back(*snd_seq_query_subscribe_get_addr(query));
        snd_seq_query_subscribe_set_index(query, snd_seq_query_subscribe_get_index(query) + 1);
    }
    return readers;
}

}  // namespace alsaseq
