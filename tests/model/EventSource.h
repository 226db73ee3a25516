// A deterministic stream of random editing events for the model test: presses, moves and
// releases inside, on the edges of and outside the drag area and the notes' hit boxes,
// mixed with owner calls that change capacity, clef, columns and limits, and keys on the
// focused staff, during drags too.
#pragma once

#include <random>
#include <span>
#include <vector>

#include "ReferenceStaff.h"

struct ModelEvent {
    enum class Kind { Press, Move, Release, MaxNotes, Clef, Columns, Range, Notes, Renew, Key };
    Kind kind;
    RefPoint point;  // mouse events
    unsigned flags;  // mouse events
    int a;  // MaxNotes: capacity; Clef: treble; Columns: column; Range: left column; Key: key
    int b;  // Columns: column count; Range: right column; Key: Ctrl held
};

class EventSource {
  public:
    explicit EventSource(unsigned seed) : m_random(seed) {}

    // The next event; `notes` are the current centres, so that presses and moves often land
    // on and around the edges of their hit boxes.
    ModelEvent Next(const std::vector<RefPoint>& notes);
    // The owner calls that set up a freshly made control.
    std::vector<ModelEvent> Setup();

  private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    struct Interval {
        int low;
        int high;
    };
    // One coordinate (`axis`) of a point: three times in ten a note's own plus an offset from
    // `besideNote`, on or just beside its hit box; twice one of `edges`; otherwise any in
    // `anywhere`.
    int PickCoordinate(const std::vector<RefPoint>& notes, int RefPoint::*axis,
                       std::span<const int> edges, Interval besideNote, Interval anywhere);
    RefPoint PickPoint(const std::vector<RefPoint>& notes);

    std::mt19937 m_random;
};
