// The staff control: a static window that shows a five-line staff, lets the user place
// and drag up to five notes with the left mouse button, sounds each new pitch during a
// drag, snaps a released note onto the staff and draws fixed notes set by its owner.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "midi/MidiOut.h"
#include "platform/CBitmap.h"
#include "platform/CPoint.h"
#include "platform/CStatic.h"
#include "staff/NoteNames.h"
#include "staff/StaffGeometry.h"
#include "staff/WrittenPitch.h"

class CDC;

// The words of the string tables that name a raised, lowered or cancelled pitch ("升F4").
staff::NameWords PitchWords();

// Notifications the staff sends its parent in WM_COMMAND: the code in the high word of
// wParam, the staff's control id in the low word, its window in lParam. Above the codes
// that a static control sends of itself (STN_*), so an owner's map can tell them apart.
// Enter was pressed while the staff had the focus; each owner gives it its own meaning.
inline constexpr UINT STAFFN_RETURN = 0x0100;
// A drag ended: the note was let go over the staff or the drag left it.
inline constexpr UINT STAFFN_DRAGENDED = 0x0101;

// How a note shows a judged answer: as notes are drawn anywhere else, green when right,
// red when wrong.
enum class NoteShade { Plain, Right, Wrong };

class CStaffControl : public CStatic {
  public:
    static constexpr int kMaxNoteSlots = 5;
    static constexpr int kFixedColumns = 16;

    CStaffControl();
    ~CStaffControl() override;

    // Owner operations. None of them repaints; changes show at the next repaint.
    // A capacity above the five note slots counts as five.
    void SetMaxNotes(int nMaxNotes);
    void SetClef(bool bTreble);
    void SetClef(staff::Clef clef);
    bool IsTreble() const;
    staff::Clef GetClef() const { return m_clef; }
    // Room for 1 to 4 ledger lines above and below the staff (others count as the nearest),
    // with the pictures for it. The owner makes the window Geometry().Height() high; notes
    // already placed stay on their steps.
    void SetLedgerLines(int nLedgerLines);
    const staff::StaffGeometry& Geometry() const { return m_geometry; }
    // How the words of the notes name them; letters unless set.
    void SetNameSystem(staff::NameSystem names) { m_names = names; }
    // A column outside 0..15 is ignored, count included.
    void SetFixedNote(int nColumn, int nStep, int nColumns, NoteShade shade = NoteShade::Plain);
    // The shade of the placed notes while none is dragged or marked by the keyboard.
    void SetNotesShade(NoteShade shade);
    void SetRange(int nLeftColumn, int nRightColumn);
    // Writes the note count to nCount and the staff step of each note to pSteps[0..nCount).
    void GetNotes(int* pSteps, int& nCount);
    // Removes every movable note, the dragged one too; fixed notes stay.
    void ClearNotes();

    // Sharps, flats and naturals. A note's own sign is drawn left of its head and moves
    // with it; a key signature (1..7 sharps, -1..-7 flats, 0 none) stands after the clef and
    // moves the note area right of it. Notes sound and are named by the sign in force.
    // None of them repaints.
    void SetAccidental(int index, staff::Accidental accidental);
    staff::Accidental AccidentalOf(int index) const { return m_accidentals[index]; }
    void SetFixedAccidental(int nColumn, staff::Accidental accidental);
    // A value beyond seven counts as seven.
    void SetKeySignature(int signature);
    int KeySignature() const { return m_nSignature; }
    // Whether keys on the staff set the current note's sign (= or + sharp, - flat, N
    // natural, 0 none) and sound it again; off until the owner turns them on. While on, the
    // note area leaves room for a sign after the clef.
    void SetAccidentalKeys(bool bOn) { m_bAccidentalKeys = bOn; }
    // The key the note in `slot` sounds at a line offset, by its sign and the signature.
    int NoteKeyAt(int slot, int lineOffset) const;

    // The editing state, for owners and tools that show it.
    int NoteCount() const { return m_nNoteCount; }
    int SelectedNote() const { return m_nSelected; }
    CPoint NoteCentre(int index) const { return m_ptNotes[index]; }
    // The note that the keyboard works on: the last one placed, picked up or chosen with
    // Ctrl+Left or Ctrl+Right; -1 = none. While the staff has the focus and holds more than
    // one note it is drawn as a dragged note is, once the keyboard has been used there.
    int CurrentNote() const { return m_nCurrent; }

    // What a screen reader and a tooltip say of the notes: "E5，第10位" for one note,
    // every note left to right, or that there is none; a note with its place among the
    // others, "第2个，共3个：E5，第10位", `rank` counting from 0 left to right.
    std::string NoteText(int index) const;
    std::string NotesText() const;
    std::string NoteOfText(int index, int rank) const;
    std::string GetToolTipText(CPoint point, CRect& area) const override;

    // Staff geometry with this control's ledger lines, column count and clef.
    int YToStep(int y) const;
    int StepToY(int step) const;
    int ColumnToX(int column) const;
    int StepToKey(int lineOffset) const;

    // A key played on an instrument: the current note goes to the key's line or space (any
    // position of the clef, ledger lines included), or, with no current note, a note is
    // placed there when the staff has room, as Space places one. Says so to screen readers and asks
    // for a repaint; sounds nothing (the echo of the played key does). False, changing nothing, for
    // a key no position of the clef sounds, during a drag, or when the note is there already.
    // Under a key signature, or while keys set signs, the key is written as staff::WriteKey
    // spells it, with its sign.
    bool PlaceKey(int key);

    // The pitch the microphone hears (a MIDI key with its fraction), drawn as a grey note at
    // its nearest place, right of the notes; beyond the staff at the outermost place, with
    // an arrow pointing on. nullopt: nothing heard, nothing drawn. Asks for a repaint when
    // the place changes; screen readers are not told of it.
    void SetHeardPitch(std::optional<double> key);
    std::optional<staff::HeardPlace> HeardPlaceShown() const { return m_heard; }

    // MIDI output, one device for the whole process.
    bool InitMidi();
    void OpenMidi();
    void CloseMidi();
    void PlayNote(int key);
    bool IsMidiOpen() const { return s_hMidiOut != nullptr; }
    // Whether sounded notes are ended, for instruments that would ring on: each note by
    // the next, and the last by a note-off when the drag that sounded it ends (a note the
    // keyboard sounds, at once); the device decides how long it then rings out. Off by
    // default: notes are only started.
    static void SetNotesEnd(bool bEnd) { s_bNotesEnd = bEnd; }
    void EndNote();
    // The echo of a key played on an instrument: its note-on as PlayNote sends it, and
    // the note-off when the key is let go, whether or not notes end.
    static void EchoKey(int key, bool down);

  protected:
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnPaint();
    // Keyboard editing: the control takes part in the dialog's tab order and wants the
    // arrow keys; while it has the focus a focus rectangle marks it.
    void PreSubclassWindow() override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    UINT OnGetDlgCode(UINT nChar);
    // The focus rectangle shows once the keyboard has been used in the dialog.
    void OnUpdateUIState(WPARAM wParam, LPARAM lParam);

    CPoint ClampPoint(CPoint point) const;
    bool FindNoteAt(CPoint point);
    // The slot of the note whose box holds the point, or -1.
    int NoteAt(CPoint point) const;
    // Slots of the notes from left to right; notes at the same x keep their slot order.
    std::vector<int> LeftToRight() const;
    // The note's hit box: left and top edges in, right and bottom out.
    CRect NoteBox(int index) const;
    void DrawNote(int x, int y);
    void DrawSelectedNote(int x, int y);
    void DrawFixedNote(int column, int step);
    // The key signature after the clef, and a note's own sign.
    void DrawKeySignature();
    void DrawSign(int left, int y, staff::Accidental accidental, bool selected);
    void LoadSignPictures();
    bool SetCurrentAccidentalFromKey(UINT nChar);
    // The clef's middle line as a letter step, which places the pitches and the signature.
    int MiddleLine() const;
    void DrawShadedNote(int x, int y, NoteShade shade);
    void DrawHeardNote();
    void LoadShade(NoteShade shade);

    bool PlaceNoteFromKeyboard();
    // Where a note placed from the keyboard goes: the first free place right of the
    // current note, else left of it; false when there is none.
    bool FindFreePlace(CPoint& place) const;
    bool IsFree(CPoint place) const;
    bool MoveCurrentToStep(int step);
    bool MoveCurrentAcross(int dx);
    bool ChooseNeighbour(int direction);
    bool RemoveCurrent();
    // Tells assistive technologies of the notes: of the note in `toldSlot` when a key
    // changed it or made it current, else of the whole text when that has changed.
    void UpdateAccessibleText(int toldSlot = -1);

    void LoadPictures();

    DECLARE_MESSAGE_MAP()

    CBitmap m_bmpStaff;
    CBitmap m_bmpNote;
    CBitmap m_bmpNoteSelected;
    CBitmap m_bmpNoteMask;
    staff::Clef m_clef = staff::Clef::Treble;
    staff::StaffGeometry m_geometry;
    // The row of the staff picture drawn at the control's top: a staff with fewer ledger
    // lines than its picture shows the picture's middle.
    int m_nPictureTop = 0;
    staff::NameSystem m_names = staff::NameSystem::Letters;
    // Loaded when first needed, so that a staff that judges nothing loads what it always has.
    CBitmap m_bmpNoteRight;
    int m_nNoteCount = 0;
    int m_nMaxNotes = 1;
    int m_nSelected = -1;
    CPoint m_ptNotes[kMaxNoteSlots];
    int m_nFixedSteps[kFixedColumns];
    NoteShade m_fixedShades[kFixedColumns] = {};
    NoteShade m_notesShade = NoteShade::Plain;
    // One column until the owner sets a count, so a column centre never divides by an
    // unset value.
    int m_nColumns = 1;
    int m_nLeftLimit = -1;
    int m_nRightLimit = -1;
    int m_nCurrent = -1;
    bool m_bFocused = false;
    AccessibleList m_accessible;
    staff::Accidental m_accidentals[kMaxNoteSlots] = {};
    staff::Accidental m_fixedAccidentals[kFixedColumns] = {};
    int m_nSignature = 0;
    bool m_bAccidentalKeys = false;
    // Black, red and mask of the sharp, the flat and the natural.
    CBitmap m_bmpSigns[3][3];
    std::optional<staff::HeardPlace> m_heard;
    CBitmap m_bmpNoteHeard;  // made from the note when first needed

    static HMIDIOUT s_hMidiOut;
    static bool s_bNotesEnd;
    static int s_nSoundingKey;  // -1: none started that has not been ended
};
