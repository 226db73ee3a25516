// A dialog's line of text whose changes are told to assistive technologies.
#pragma once

#include <string>

#include "platform/CWnd.h"

// The accessible text first: a label whose name is set raises no second event when its text
// follows.
inline void Announce(CWnd& line, const std::string& text) {
    line.SetAccessibleText(text.c_str(), text.c_str());
    line.SetWindowText(text.c_str());
}
