// The font of a dialog template, matched to the fonts installed here, and the dialog
// base units it gives.
#pragma once

#include <QFont>

#include "platform/DialogUnits.h"
#include "platform/res/DialogTemplate.h"

// The template's face stands first; faces that Linux systems rarely carry are followed by
// installed look-alikes, and fontconfig falls back from there. The size is the template's
// point size at 96 dots per inch, as dialog layouts assume.
QFont MatchDialogFont(const DialogFont& font);

DialogBaseUnits BaseUnitsOf(const QFont& font);
