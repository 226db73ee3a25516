#ifndef _WIN32
#include "midi/MidiOut.h"

#include "midi/MidiDevice.h"
#include "midi/MidiMapper.h"

// An open handle remembers the device it was opened on, so a close reaches that device
// even if another one has since been put behind the mapper. The mapper is the only
// device id, and a device is opened at most once at a time, so one handle suffices.
struct HMIDIOUT__ {
    MidiDevice* device = nullptr;
};

namespace {

HMIDIOUT__ g_mapperHandle;

bool IsOpenHandle(HMIDIOUT handle) {
    return handle == &g_mapperHandle && g_mapperHandle.device != nullptr;
}

}  // namespace

MMRESULT midiOutGetDevCapsA(UINT_PTR uDeviceID, MIDIOUTCAPSA* pmoc, UINT cbmoc) {
    if (uDeviceID != MIDI_MAPPER) {
        return MMSYSERR_BADDEVICEID;
    }
    if (pmoc == nullptr || cbmoc < sizeof(MIDIOUTCAPSA)) {
        return MMSYSERR_INVALPARAM;
    }
    MidiDevice* device = MidiMapperDevice();
    return device != nullptr ? device->GetCaps(*pmoc) : MMSYSERR_NODRIVER;
}

MMRESULT midiOutOpen(HMIDIOUT* phmo, UINT uDeviceID, DWORD_PTR dwCallback, DWORD_PTR,
                     DWORD fdwOpen) {
    if (phmo == nullptr || dwCallback != 0 || fdwOpen != CALLBACK_NULL) {
        return MMSYSERR_INVALPARAM;
    }
    *phmo = nullptr;
    if (uDeviceID != MIDI_MAPPER) {
        return MMSYSERR_BADDEVICEID;
    }
    MidiDevice* device = MidiMapperDevice();
    if (device == nullptr) {
        return MMSYSERR_NODRIVER;
    }
    if (g_mapperHandle.device != nullptr) {
        return MMSYSERR_ALLOCATED;
    }
    const MMRESULT result = device->Open();
    if (result == MMSYSERR_NOERROR) {
        g_mapperHandle.device = device;
        *phmo = &g_mapperHandle;
    }
    return result;
}

MMRESULT midiOutShortMsg(HMIDIOUT hmo, DWORD dwMsg) {
    if (!IsOpenHandle(hmo)) {
        return MMSYSERR_INVALHANDLE;
    }
    return hmo->device->ShortMsg(dwMsg);
}

MMRESULT midiOutClose(HMIDIOUT hmo) {
    if (!IsOpenHandle(hmo)) {
        return MMSYSERR_INVALHANDLE;
    }
    MidiDevice* device = hmo->device;
    // The handle is gone whatever the device answers; a failed close must not leave the
    // mapper busy for good.
    hmo->device = nullptr;
    return device->Close();
}
#endif
