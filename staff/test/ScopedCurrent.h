// Guards that make a backend or a MIDI mapper device the process's own while a test runs.
#pragma once

#include "midi/MidiMapper.h"
#include "platform/Backend.h"

// Sets a process-wide pointer for as long as the guard lives, then puts back the one before.
template <typename T, T* (*Current)(), void (*SetCurrent)(T*)>
class ScopedCurrent {
  public:
    explicit ScopedCurrent(T* value) : m_previous(Current()) { SetCurrent(value); }
    ~ScopedCurrent() { SetCurrent(m_previous); }
    ScopedCurrent(const ScopedCurrent&) = delete;
    ScopedCurrent& operator=(const ScopedCurrent&) = delete;

  private:
    T* m_previous;
};
using ScopedBackend = ScopedCurrent<Backend, CurrentBackend, SetCurrentBackend>;
using ScopedMidiMapperDevice = ScopedCurrent<MidiDevice, MidiMapperDevice, SetMidiMapperDevice>;
