#include "platform/CString.h"
#include "platform/CWinApp.h"
#include "res/resource.h"
#include "staff/StaffControl.h"

HMIDIOUT CStaffControl::s_hMidiOut = nullptr;
bool CStaffControl::s_bNotesEnd = false;
int CStaffControl::s_nSoundingKey = -1;

namespace {

// Status 0x90 (note-on, channel 1), the key, velocity 80; packed low byte first.
constexpr DWORD kNoteOnChannel1 = 0x90;
constexpr DWORD kVelocity = 80;

constexpr int kHighestKey = 127;

// The failure message of the string-table entry `id`, in the program's language.
void ReportFailure(UINT id) {
    CString text;
    text.LoadString(id);
    AfxMessageBox(text, MB_OK, 0);
}

DWORD NoteOn(int key) {
    return kNoteOnChannel1 | static_cast<DWORD>(key) << 8 | kVelocity << 16;
}

// Status 0x80 (note-off, channel 1), the key, release velocity 64.
DWORD NoteOff(int key) {
    return 0x80 | static_cast<DWORD>(key) << 8 | 64 << 16;
}

}  // namespace

bool CStaffControl::InitMidi() {
    MIDIOUTCAPSA caps{};
    if (midiOutGetDevCapsA(MIDI_MAPPER, &caps, sizeof(caps)) != MMSYSERR_NOERROR) {
        ReportFailure(IDS_MIDI_INIT_FAILED);
        return false;
    }
    OpenMidi();
    return true;
}

void CStaffControl::OpenMidi() {
    CloseMidi();
    if (midiOutOpen(&s_hMidiOut, MIDI_MAPPER, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        // Whatever the output layer left behind, a failed open means no device.
        s_hMidiOut = nullptr;
        ReportFailure(IDS_MIDI_OPEN_FAILED);
    }
}

void CStaffControl::CloseMidi() {
    if (s_hMidiOut == nullptr) {
        return;
    }
    midiOutClose(s_hMidiOut);
    s_hMidiOut = nullptr;
    s_nSoundingKey = -1;
}

// Unless notes end, only the note-on is sent: no note-off ever follows, the device decides
// how long it rings. A key outside 0..127 would spill into the neighbouring bytes of the
// message; it is dropped.
void CStaffControl::PlayNote(int key) {
    if (s_hMidiOut == nullptr || key < 0 || key > kHighestKey) {
        return;
    }
    if (!s_bNotesEnd) {
        midiOutShortMsg(s_hMidiOut, NoteOn(key));
        return;
    }
    EndNote();
    midiOutShortMsg(s_hMidiOut, NoteOn(key));
    s_nSoundingKey = key;
    if (m_nSelected == -1) {
        EndNote();  // no drag holds it
    }
}

void CStaffControl::EndNote() {
    if (s_hMidiOut == nullptr || s_nSoundingKey == -1) {
        return;
    }
    midiOutShortMsg(s_hMidiOut, NoteOff(s_nSoundingKey));
    s_nSoundingKey = -1;
}

void CStaffControl::EchoKey(int key, bool down) {
    if (s_hMidiOut == nullptr || key < 0 || key > kHighestKey) {
        return;
    }
    midiOutShortMsg(s_hMidiOut, down ? NoteOn(key) : NoteOff(key));
}
