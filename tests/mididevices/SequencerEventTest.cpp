#include <gtest/gtest.h>

#include "midi/alsa/SequencerEvent.h"

namespace {

using Kind = ChannelMessageKind;

TEST(SequencerEvent, GoesDirectlyToEverySubscriberOfThePort) {
    const snd_seq_event_t event = ToSequencerEvent({Kind::NoteOn, 0, 60, 80}, 3);
    EXPECT_EQ(event.source.port, 3);
    EXPECT_EQ(event.dest.client, SND_SEQ_ADDRESS_SUBSCRIBERS);
    EXPECT_EQ(event.queue, SND_SEQ_QUEUE_DIRECT);
}

TEST(SequencerEvent, NoteEventsCarryChannelKeyAndVelocity) {
    struct Case {
        ChannelMessage message;
        snd_seq_event_type_t type;
    };
    const Case cases[] = {
        {{Kind::NoteOn, 0, 60, 80}, SND_SEQ_EVENT_NOTEON},
        {{Kind::NoteOn, 9, 36, 0}, SND_SEQ_EVENT_NOTEON},
        {{Kind::NoteOff, 15, 81, 64}, SND_SEQ_EVENT_NOTEOFF},
        {{Kind::KeyPressure, 2, 40, 127}, SND_SEQ_EVENT_KEYPRESS},
    };
    for (const Case& c : cases) {
        const snd_seq_event_t event = ToSequencerEvent(c.message, 0);
        EXPECT_EQ(event.type, c.type);
        EXPECT_EQ(event.data.note.channel, c.message.channel);
        EXPECT_EQ(event.data.note.note, c.message.data1);
        EXPECT_EQ(event.data.note.velocity, c.message.data2);
    }
}

TEST(SequencerEvent, ControlEventsCarryChannelParameterAndValue) {
    struct Case {
        ChannelMessage message;
        snd_seq_event_type_t type;
        unsigned int param;
        int value;
    };
    const Case cases[] = {
        {{Kind::ControlChange, 1, 7, 100}, SND_SEQ_EVENT_CONTROLLER, 7, 100},
        {{Kind::ProgramChange, 3, 5, 0}, SND_SEQ_EVENT_PGMCHANGE, 0, 5},
        {{Kind::ChannelPressure, 4, 90, 0}, SND_SEQ_EVENT_CHANPRESS, 0, 90},
        // ALSA counts pitch bend from the centre.
        {{Kind::PitchBend, 0, 0, 64}, SND_SEQ_EVENT_PITCHBEND, 0, 0},
        {{Kind::PitchBend, 0, 0, 0}, SND_SEQ_EVENT_PITCHBEND, 0, -8192},
        {{Kind::PitchBend, 5, 127, 127}, SND_SEQ_EVENT_PITCHBEND, 0, 8191},
    };
    for (const Case& c : cases) {
        const snd_seq_event_t event = ToSequencerEvent(c.message, 0);
        EXPECT_EQ(event.type, c.type);
        EXPECT_EQ(event.data.control.channel, c.message.channel);
        EXPECT_EQ(event.data.control.param, c.param);
        EXPECT_EQ(event.data.control.value, c.value);
    }
}

}  // namespace
