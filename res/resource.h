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
// The same pictures drawn at twice the size, for screens of two device pixels to the pixel.
#define IDB_STAFF_TREBLE_2X 140
#define IDB_NOTE_2X 141
#define IDB_NOTE_SELECTED_2X 142
#define IDB_NOTE_MASK_2X 143
#define IDB_STAFF_BASS_2X 144
// The sharp, flat and natural signs: black, red for a dragged note, and the mask; then the
// same at twice the size.
#define IDB_SHARP 180
#define IDB_SHARP_SELECTED 181
#define IDB_SHARP_MASK 182
#define IDB_FLAT 183
#define IDB_FLAT_SELECTED 184
#define IDB_FLAT_MASK 185
#define IDB_NATURAL 186
#define IDB_NATURAL_SELECTED 187
#define IDB_NATURAL_MASK 188
#define IDB_SHARP_2X 190
#define IDB_SHARP_SELECTED_2X 191
#define IDB_SHARP_MASK_2X 192
#define IDB_FLAT_2X 193
#define IDB_FLAT_SELECTED_2X 194
#define IDB_FLAT_MASK_2X 195
#define IDB_NATURAL_2X 196
#define IDB_NATURAL_SELECTED_2X 197
#define IDB_NATURAL_MASK_2X 198
// Staves with room for four ledger lines above and below, 600 x 244, in each clef, and the
// same at twice the size. Staves with two or three ledger lines show their middle.
#define IDB_STAFF_TALL_TREBLE 160
#define IDB_STAFF_TALL_BASS 161
#define IDB_STAFF_TALL_ALTO 162
#define IDB_STAFF_TALL_TENOR 163
#define IDB_STAFF_TALL_TREBLE_2X 170
#define IDB_STAFF_TALL_BASS_2X 171
#define IDB_STAFF_TALL_ALTO_2X 172
#define IDB_STAFF_TALL_TENOR_2X 173
// A note answered right, in green, at either size.
#define IDB_NOTE_RIGHT 150
#define IDB_NOTE_RIGHT_2X 151
#define IDS_MIDI_INIT_FAILED 200
#define IDS_MIDI_OPEN_FAILED 201
// What a screen reader says of the staff: its name, one note ("%s" its pitch, "%d" its
// step), an empty staff, and what stands between the notes of a list.
#define IDS_STAFF_NAME 210
#define IDS_STAFF_NOTE 211
#define IDS_STAFF_NO_NOTE 212
#define IDS_STAFF_NOTE_SEPARATOR 213
// A pitch's name with its sign: "%s" the letter, "%d" the octave.
#define IDS_PITCH_SHARP 400
#define IDS_PITCH_FLAT 401
#define IDS_PITCH_NATURAL 402
// The practice dialog's signs: the two choices, the key's names, the Place prompt and the
// result of an answer that sounds right but is spelled otherwise.
#define IDS_ACCIDENTALS_NONE 403
#define IDS_ACCIDENTALS_ALL 404
#define IDS_KEY_MAJOR 405
#define IDS_KEY_RANDOM 406
#define IDS_PROMPT_PLACE_SIGN 407
#define IDS_RESULT_ENHARMONIC 408
#define IDC_ACCIDENTALS 1160
#define IDC_KEY 1161
#define IDC_SHARP 1162
#define IDC_FLAT 1163
#define IDC_NAMES 1180
#define IDC_NUMBERED_NOTE 1181
#define IDS_BASSCLEF 220
#define IDS_CLEAR 221
// The system menu's C clefs and the practice dialog's names for them.
#define IDS_ALTOCLEF 390
#define IDS_TENORCLEF 391
#define IDS_CLEF_ALTO 392
#define IDS_CLEF_TENOR 393
// Keyboard and screen readers: the position button's caption and its description when
// the caption is a bare step ("%d"), and one note with its place among the others ("%d of
// %d", then the note's own text).
#define IDS_POSITION 230
#define IDS_POSITION_STEP 231
#define IDS_STAFF_NOTE_OF 232
// The command line's texts: the usage and each option's line of --help, Qt's options and
// where to report bugs (%s the address), then its error lines (%s the option, what it
// takes, the value given).
#define IDS_USAGE 500
#define IDS_HELP_HELP 501
#define IDS_HELP_VERSION 502
#define IDS_HELP_LANGUAGE 503
#define IDS_HELP_CLEF 504
#define IDS_HELP_NOTES 505
#define IDS_HELP_SOUNDFONT 506
#define IDS_HELP_AUDIO_DRIVER 507
#define IDS_HELP_MIDI_OUT 508
#define IDS_HELP_INSTRUMENT 509
#define IDS_HELP_VERBOSE 510
#define IDS_HELP_TOOLKIT 511
#define IDS_HELP_BUGS 512
#define IDS_HELP_PROGRESS_FILE 513
#define IDS_HELP_EXPORT_PROGRESS 514
#define IDS_HELP_PRACTICE 515
#define IDS_HELP_EXPORT_DAYS 565
#define IDS_HELP_LEDGER_LINES 550
#define IDS_HELP_MIDI_ECHO 540
#define IDS_HELP_LISTEN 545
#define IDS_RESULT_WRONG_SUNG 370
#define IDS_NO_MICROPHONE 650
#define IDS_MICROPHONE_REFUSED 651
#define IDS_MICROPHONE_LOST 652
// How the practice dialog is answered, the microphone's choices and its line.
#define IDS_ANSWER_STAFF 371
#define IDS_ANSWER_MICROPHONE 372
#define IDS_LISTEN_VOICE 373
#define IDS_LISTEN_INSTRUMENT 374
#define IDS_HOLD_MS 375
#define IDS_A4_HZ 376
#define IDS_MICROPHONE_LISTENING 377
#define IDS_HEARD_TOO_HIGH 378
#define IDS_HEARD_TOO_LOW 379
#define IDC_ANSWER_WITH 1140
#define IDC_LISTEN_SOUND 1141
#define IDC_ANY_OCTAVE 1142
#define IDC_HOLD 1143
#define IDC_A4 1144
#define IDC_MICROPHONE 1145
#define IDS_ERR_NO_VALUE_TAKEN 520
#define IDS_ERR_VALUE_NEEDED 521
#define IDS_ERR_BAD_VALUE 522
#define IDS_ERR_BAD_AUDIO_DRIVER 523
#define IDS_ERR_UNKNOWN_OPTION 524
#define IDS_ERR_UNKNOWN_ARGUMENT 525
#define IDS_ERR_NO_DATA_FOLDER 526
#define IDS_ERR_CANNOT_WRITE 527
#define IDS_SOUND_OFF 600
#define IDS_SOUND_ON 601
#define IDS_SOUND_SYNTH_IDLE 602
#define IDS_SOUND_NONE_BECAUSE 604
#define IDS_SOUND_UNTIL_CONNECTED 605
#define IDS_SOUND_CONNECT 606
#define IDS_SOUND_THEN 607
#define IDS_SOUND_EITHER 608
#define IDS_SOUND_SYNTH_ON 609
#define IDS_SOUND_NO_AUDIO 610
#define IDS_SOUND_NO_ANSWER 611
#define IDS_SOUND_LOST_AUDIO 612
#define IDS_SOUND_NO_AUDIO_REMEDY 613
#define IDS_SOUND_NO_SOUNDFONT 614
#define IDS_SOUND_NO_SOUNDFONT_REMEDY 615
#define IDS_SOUND_NOT_A_FILE 616
#define IDS_SOUND_UNREADABLE 617
#define IDS_SOUND_NOT_A_SOUNDFONT 618
#define IDS_SOUND_NOT_WHOLE 619
#define IDS_SOUND_DOES_NOT_LOAD 620
#define IDS_SOUND_DOES_NOT_LOAD_BECAUSE 621
#define IDS_SOUND_LOAD_TOO_LONG 622
#define IDS_SOUND_NO_PORT 623
#define IDS_SOUND_NO_SEQUENCER 624
#define IDS_SOUND_PORT 625
#define IDS_SOUND_CONNECTED_TO 626
// The MIDI keyboards: "%s" names one, or those present.
#define IDS_MIDI_KEYBOARD_CAME 640
#define IDS_MIDI_KEYBOARD_WENT 641
#define IDS_NO_MIDI_KEYBOARD 642
#define IDC_STAFF 1001
#define IDC_POSITION 1002

// Practice: its dialog, the progress dialog it opens, their controls and texts.
#define IDD_PRACTICE 103
#define IDD_PROGRESS 104
#define IDC_DRILL 1100
#define IDC_CLEF 1101
#define IDC_LOWEST 1102
#define IDC_HIGHEST 1103
#define IDC_LENGTH 1104
#define IDC_PROMPT 1105
#define IDC_PRACTICE_STAFF 1106
// The name buttons C D E F G A B, in that order.
#define IDC_NAME_C 1107
#define IDC_NAME_D 1108
#define IDC_NAME_E 1109
#define IDC_NAME_F 1110
#define IDC_NAME_G 1111
#define IDC_NAME_A 1112
#define IDC_NAME_B 1113
#define IDC_PLAY_AGAIN 1114
#define IDC_CHECK 1115
#define IDC_PROGRESS 1116
#define IDC_RESULT 1117
#define IDC_SCORE 1118
#define IDC_PROGRESS_STAFF 1119
#define IDC_PROGRESS_WORDS 1120
#define IDC_GOAL 1190
#define IDC_TODAY 1191
#define IDC_DUE 1192
#define IDC_REVIEW 1193
#define IDC_CHART 1194
#define IDC_CHART_DAYS 1195
#define IDC_CHART_WORDS 1196
#define IDC_LEDGER_LINES 1150
// The practice dialog's line of MIDI keyboards.
#define IDC_MIDI_KEYBOARDS 1130
// Whether keys played on a MIDI keyboard sound through the program's sound.
#define IDC_MIDI_ECHO 1131
#define IDS_PRACTICE 300
#define IDS_DRILL_READ 301
#define IDS_DRILL_PLACE 302
#define IDS_DRILL_HEAR 303
#define IDS_CLEF_TREBLE 304
#define IDS_CLEF_BASS 305
#define IDS_CLEF_BOTH 306
#define IDS_LENGTH_ENDLESS 307
// A step of the range under both clefs: "%s" the treble name, "%s" the bass name.
#define IDS_STEP_BOTH_CLEFS 308
#define IDS_PROMPT_READ 310
#define IDS_PROMPT_PLACE 311
#define IDS_PROMPT_HEAR 312
#define IDS_RESULT_RIGHT 313
#define IDS_RESULT_WRONG 314
#define IDS_SCORE 315
#define IDS_SCORE_ENDLESS 316
#define IDS_SUMMARY 317
#define IDS_LIST_SEPARATOR 318
#define IDS_CHECK 319
#define IDS_NEXT 320
#define IDS_PROGRESS_STEP 321
#define IDS_PROGRESS_UNANSWERED 322
#define IDS_PROGRESS_NAME 323
// The answers cannot be saved: "%s" the file, "%s" why.
#define IDS_PROGRESS_NOT_SAVED 324
#define IDS_SAVE_NO_PERMISSION 325
#define IDS_SAVE_DISK_FULL 326
#define IDS_SAVE_NOT_A_FILE 327
// Followed by the system's own words.
#define IDS_SAVE_OTHER 328
// A wrong answer played on a MIDI keyboard: "%s" the asked pitch, "%s" the played one.
#define IDS_RESULT_WRONG_PLAYED 350
// A sharp's name: "%s" its letter, "%s" its octave.
#define IDS_SHARP_NAME 351
#define IDS_GOAL_MINUTES 460
#define IDS_GOAL_ANSWERS 461
#define IDS_TODAY_MINUTES 462
#define IDS_TODAY_ANSWERS 463
#define IDS_GOAL_MET 464
#define IDS_DUE_TODAY 465
#define IDS_DUE_TODAY_ONE 466
#define IDS_DUE_TOMORROW 467
#define IDS_DUE_IN_DAYS 468
#define IDS_DUE_NONE_YET 469
#define IDS_REVIEW_TODAY 470
#define IDS_REVIEW_NONE 471
#define IDS_CHART_DAYS 472
#define IDS_CHART_WORDS 473
#define IDS_CHART_LEGEND 474
#define IDS_CHART_NAME 475

// Notes named by solfège or numbered notation: "%s" the name, in its octave's words; with
// letters, "%s" the name then "%s" its letter name; with dots, "%d" how many.
#define IDS_NAME_MIDDLE 430
#define IDS_NAME_HIGH 431
#define IDS_NAME_LOW 432
#define IDS_NAME_HIGHER 433
#define IDS_NAME_LOWER 434
#define IDS_NAME_DOTS_ABOVE 435
#define IDS_NAME_DOTS_BELOW 436
#define IDS_NAME_WITH_LETTERS 437
#define IDS_NAME_HIGH_WITH_LETTERS 438
#define IDS_NAME_LOW_WITH_LETTERS 439
#define IDS_NAME_HIGHER_WITH_LETTERS 440
#define IDS_NAME_LOWER_WITH_LETTERS 441
// Place's prompt with a name that is not a letter name: "%s" the name.
#define IDS_PROMPT_PLACE_NAMED 442
// The practice dialog's choice of names, and where a key is set, its tonic: "1=%s", "do = %s";
// then the prompt with the tonic beside it: "%s" the prompt, "%s" the tonic's words.
#define IDS_NAMES_LETTERS 443
#define IDS_NAMES_SOLFEGE 444
#define IDS_NAMES_NUMBERS 445
#define IDS_TONIC_NUMBERS 446
#define IDS_TONIC_SOLFEGE 447
#define IDS_PROMPT_WITH_TONIC 448
#define IDS_HELP_NAMES 560

// System-menu commands, not resources. System commands below 0xF000 must keep their
// low four bits clear, because the window system uses them itself.
#define IDM_ABOUTBOX 0x0010
#define IDM_BASSCLEF 0x0020
#define IDM_CLEAR 0x0030
#define IDM_PRACTICE 0x0040
#define IDM_ALTOCLEF 0x0060
#define IDM_TENORCLEF 0x0070
