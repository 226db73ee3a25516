#include "EventSource.h"

namespace {

// Both sides of every boundary the rules draw: drag area, placement bounds, the control.
constexpr int kEdgeX[] = {-32768, -1,  0,   69,  70,  71,  79,  80,  81,
                          567,    568, 569, 579, 580, 581, 599, 600, 32767};
// Drag area, placement bounds and the rows where the line offset changes.
constexpr int kEdgeY[] = {-32768, -1,  0,   17,  18,  19,  38,  39,  40,   46,
                          47,     74,  75,  81,  87,  88,  94,  95,  115,  116,
                          122,    123, 124, 143, 144, 145, 159, 160, 32767};

}  // namespace

int EventSource::PickCoordinate(const std::vector<RefPoint>& notes, int RefPoint::*axis,
                                std::span<const int> edges, Interval besideNote,
                                Interval anywhere) {
    const int choice = Pick(0, 9);
    if (choice < 3 && !notes.empty()) {
        const int centre = notes[Pick(0, static_cast<int>(notes.size()) - 1)].*axis;
        return centre + Pick(besideNote.low, besideNote.high);
    }
    if (choice < 5) {
        return edges[Pick(0, static_cast<int>(edges.size()) - 1)];
    }
    return Pick(anywhere.low, anywhere.high);
}

RefPoint EventSource::PickPoint(const std::vector<RefPoint>& notes) {
    // The offsets from a note reach just past the edges of its hit box.
    return {PickCoordinate(notes, &RefPoint::x, kEdgeX, {-13, 12}, {-40, 640}),
            PickCoordinate(notes, &RefPoint::y, kEdgeY, {-8, 7}, {-20, 180})};
}

std::vector<ModelEvent> EventSource::Setup() {
    std::vector<ModelEvent> events;
    events.push_back({ModelEvent::Kind::MaxNotes, {}, 0, Pick(-1, 7), 0});
    events.push_back({ModelEvent::Kind::Clef, {}, 0, Pick(0, 1), 0});
    events.push_back({ModelEvent::Kind::Columns, {}, 0, Pick(0, 15), Pick(1, 300)});
    if (Pick(0, 2) == 0) {
        events.push_back({ModelEvent::Kind::Range, {}, 0, Pick(-3, 20), Pick(-3, 20)});
    }
    return events;
}

ModelEvent EventSource::Next(const std::vector<RefPoint>& notes) {
    // One event in ten is a key the staff handles.
    if (Pick(0, 9) == 0) {
        static constexpr int kKeys[] = {0x26, 0x28, 0x21, 0x22, 0x24, 0x23,
                                        0x25, 0x27, 0x20, 0x2E, 0x08, 0x0D};
        return {ModelEvent::Kind::Key, {}, 0, kKeys[Pick(0, 11)], Pick(0, 1)};
    }
    const int roll = Pick(0, 999);
    const unsigned flags = static_cast<unsigned>(Pick(0, 3));
    if (roll < 300) {
        return {ModelEvent::Kind::Press, PickPoint(notes), flags, 0, 0};
    }
    if (roll < 800) {
        return {ModelEvent::Kind::Move, PickPoint(notes), flags, 0, 0};
    }
    if (roll < 950) {
        return {ModelEvent::Kind::Release, PickPoint(notes), flags, 0, 0};
    }
    if (roll < 960) {
        return {ModelEvent::Kind::MaxNotes, {}, 0, Pick(-1, 7), 0};
    }
    if (roll < 968) {
        return {ModelEvent::Kind::Clef, {}, 0, Pick(0, 1), 0};
    }
    if (roll < 975) {
        return {ModelEvent::Kind::Columns, {}, 0, Pick(0, 15), Pick(1, 300)};
    }
    if (roll < 985) {
        return {ModelEvent::Kind::Range, {}, 0, Pick(-3, 20), Pick(-3, 20)};
    }
    if (roll < 998) {
        return {ModelEvent::Kind::Notes, {}, 0, 0, 0};
    }
    return {ModelEvent::Kind::Renew, {}, 0, 0, 0};
}
