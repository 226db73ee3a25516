// A note in numbered notation as it is printed: the digit of its scale degree, its sign
// before it, and a dot above the digit for each octave above the middle one (below it for
// each octave below). Drawn with the drawing layer's pen in client pixels, so that the dots
// do not hang on a font's combining characters.
#pragma once

#include <optional>

#include "app/PictureStatic.h"
#include "platform/CDC.h"
#include "staff/NoteNames.h"

// Sizes in client pixels.
struct NumberedNoteLayout {
    static constexpr int kDigitWidth = 7;
    static constexpr int kDigitHeight = 11;
    static constexpr int kSignWidth = 5;
    static constexpr int kSignGap = 2;
    static constexpr int kDot = 2;     // a dot is a square this wide
    static constexpr int kDotGap = 2;  // between the digit and a dot, and between dots

    // The digit's box when the note is centred in `box`.
    static CRect DigitBox(const CRect& box, const staff::NoteName& name);
    // The `index`th dot (0 nearest the digit) of a note whose digit has the box `digit`.
    static CRect DotBox(const CRect& digit, const staff::NoteName& name, int index);
};

void DrawNumberedNote(CDC& dc, const CRect& box, const staff::NoteName& name);

// The note Place asks for, beside its prompt, which says it in words too; blank while there
// is none.
class CNumberedNote : public CPictureStatic {
  public:
    void Show(std::optional<staff::NoteName> name);

  protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()

  private:
    std::optional<staff::NoteName> m_name;
};
