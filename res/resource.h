// Numbers of the program's resources and of the controls and commands they carry.
// Shared by the resource script and the C++ code, so plain #defines only.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_CANZET_DIALOG 102
#define IDR_MAINFRAME 128
#define IDB_STAFF_TREBLE 129
#define IDB_NOTE 130
#define IDB_NOTE_SELECTED 131
#define IDB_NOTE_MASK 132
#define IDB_STAFF_BASS 133
#define IDS_MIDI_INIT_FAILED 200
#define IDS_MIDI_OPEN_FAILED 201
// What a screen reader says of the staff: its name, one note ("%s" its pitch, "%d" its
// step), an empty staff, and what stands between the notes of a list.
#define IDS_STAFF_NAME 210
#define IDS_STAFF_NOTE 211
#define IDS_STAFF_NO_NOTE 212
#define IDS_STAFF_NOTE_SEPARATOR 213
#define IDS_BASSCLEF 220
#define IDS_CLEAR 221
// Keyboard and screen readers: the position button's caption and its description when
// the caption is a bare step ("%d"), and one note with its place among the others ("%d of
// %d", then the note's own text).
#define IDS_POSITION 230
#define IDS_POSITION_STEP 231
#define IDS_STAFF_NOTE_OF 232
#define IDC_STAFF 1001
#define IDC_POSITION 1002

// System-menu commands, not resources. System commands below 0xF000 must keep their
// low four bits clear, because the window system uses them itself.
#define IDM_ABOUTBOX 0x0010
#define IDM_BASSCLEF 0x0020
#define IDM_CLEAR 0x0030
