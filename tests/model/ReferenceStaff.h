// An independent reference for the staff control's editing rules, written from the rules
// themselves and sharing no code with the control. It answers what one owner call or one
// mouse event must do: the new state, and the platform calls in the order they must happen.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct RefPoint {
    int x = -1;
    int y = -1;
    bool operator==(const RefPoint&) const = default;
};

// One platform call the control makes, in order.
struct RefCall {
    enum class Kind { NoteOn, Invalidate, Default, Notify };
    Kind kind;
    // NoteOn: the packed short message; Default: the window message; Notify: the code the
    // parent is told
    std::uint32_t message;
    unsigned flags;  // Default only
    RefPoint point;  // Default only: the point as received

    bool operator==(const RefCall&) const = default;
};

struct RefState {
    int noteCount = 0;
    int selected = -1;
    std::array<RefPoint, 5> notes{};
    bool operator==(const RefState&) const = default;
};

class ReferenceStaff {
  public:
    static constexpr int kSlots = 5;

    void SetMaxNotes(int capacity);
    void SetClef(bool treble) { m_treble = treble; }
    // Records the column count that later range calls divide the note area by.
    void SetFixedNote(int column, int columns);
    void SetRange(int leftColumn, int rightColumn);
    // Returns the steps reported, in slot order after the one exchange pass.
    std::vector<int> GetNotes();

    std::vector<RefCall> Press(unsigned flags, RefPoint point);
    std::vector<RefCall> Move(unsigned flags, RefPoint point);
    std::vector<RefCall> Release(unsigned flags, RefPoint point);

    const RefState& State() const { return m_state; }
    // Keys are not modelled: after one the reference goes on from the control's state.
    void Adopt(const RefState& state) { m_state = state; }
    bool DeviceOpen() const { return m_deviceOpen; }
    void SetDeviceOpen(bool open) { m_deviceOpen = open; }

  private:
    RefPoint Clamp(RefPoint point) const;
    int HitSlot(RefPoint point) const;
    int ColumnCentre(int column) const;

    RefState m_state;
    int m_capacity = 1;
    bool m_treble = true;
    int m_columns = 1;
    int m_leftLimit = -1;
    int m_rightLimit = -1;
    bool m_deviceOpen = true;
};
