#include <gtest/gtest.h>

#include "midi/alsa/SequencerEvent.h"

namespace {

using Kind = ChannelMessageKind;

TEST(SequencerEvent, GoesAtOnceToEverySubscriberOfThePort) {
    const snd_seq_event_t event = ToSequencerEvent({Kind::NoteOn, 9, 60, 80}, 3);
    EXPECT_EQ(event.type, SND_SEQ_EVENT_NOTEON);
    EXPECT_EQ(event.data.note.channel, 9);
    EXPECT_EQ(event.data.note.note, 60);
    EXPECT_EQ(event.data.note.velocity, 80);
    EXPECT_EQ(event.source.port, 3);
    EXPECT_EQ(event.dest.client, SND_SEQ_ADDRESS_SUBSCRIBERS);
    EXPECT_EQ(event.queue, SND_SEQ_QUEUE_DIRECT);
}

TEST(SequencerEvent, ControlValuesKeepTheirMeaning) {
    struct Case {
        ChannelMessage message;
        snd_seq_event_type_t type;
        int value;
    };
    const Case cases[] = {
        {{Kind::ControlChange, 1, 7, 100}, SND_SEQ_EVENT_CONTROLLER, 100},
        {{Kind::ProgramChange, 3, 5, 0}, SND_SEQ_EVENT_PGMCHANGE, 5},
        {{Kind::ChannelPressure, 4, 90, 0}, SND_SEQ_EVENT_CHANPRESS, 90},
        // ALSA counts pitch bend from the centre, MIDI from the bottom.
        {{Kind::PitchBend, 0, 0, 64}, SND_SEQ_EVENT_PITCHBEND, 0},
        {{Kind::PitchBend, 0, 0, 0}, SND_SEQ_EVENT_PITCHBEND, -8192},
        {{Kind::PitchBend, 0, 127, 127}, SND_SEQ_EVENT_PITCHBEND, 8191},
    };
    for (const Case& c : cases) {
        const snd_seq_event_t event = ToSequencerEvent(c.message, 0);
        EXPECT_EQ(event.type, c.type);
        EXPECT_EQ(event.data.control.channel, c.message.channel);
        EXPECT_EQ(event.data.control.value, c.value);
    }
}

}  // namespace
