// A MidiDevice that records every call made to it, in order, and every short message that
// reaches it byte for byte. Each kind of call can be made to fail with a chosen result.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "midi/MidiDevice.h"

class TestMidiDevice : public MidiDevice {
  public:
    enum class CallKind { GetCaps, Open, ShortMsg, Close };

    struct Call {
        CallKind kind;
        DWORD message;    // the packed short message; 0 for the other kinds
        MMRESULT result;  // what the device answered

        bool operator==(const Call&) const = default;
    };

    MMRESULT GetCaps(MIDIOUTCAPSA& caps) override;
    MMRESULT Open() override;
    MMRESULT ShortMsg(DWORD message) override;
    MMRESULT Close() override;

    // Results that the next calls of a kind answer; MMSYSERR_NOERROR restores success.
    void SetCapsResult(MMRESULT result) { m_capsResult = result; }
    void SetOpenResult(MMRESULT result) { m_openResult = result; }
    void SetShortMsgResult(MMRESULT result) { m_shortMsgResult = result; }
    void SetCloseResult(MMRESULT result) { m_closeResult = result; }

    // Told of every short message the device accepts, as it arrives.
    void SetMessageListener(std::function<void(DWORD)> listener) {
        m_listener = std::move(listener);
    }

    const std::vector<Call>& Calls() const { return m_calls; }
    // The bytes of the accepted short messages, as they would go out on the wire.
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    // The accepted short messages, packed.
    std::vector<DWORD> Messages() const;
    int CountOf(CallKind kind) const;
    bool IsOpen() const { return m_open; }
    void ClearRecord();

  private:
    MMRESULT Record(CallKind kind, DWORD message, MMRESULT result);

    MMRESULT m_capsResult = MMSYSERR_NOERROR;
    MMRESULT m_openResult = MMSYSERR_NOERROR;
    MMRESULT m_shortMsgResult = MMSYSERR_NOERROR;
    MMRESULT m_closeResult = MMSYSERR_NOERROR;
    std::function<void(DWORD)> m_listener;
    std::vector<Call> m_calls;
    std::vector<std::uint8_t> m_bytes;
    bool m_open = false;
};
