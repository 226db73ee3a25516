// A dialog template as the window system reads it, from either kind of template (classic
// DIALOG or extended DIALOGEX). Texts are UTF-8. A windowing backend builds its dialog
// from this: dialog units, styles and control classes are kept as the script gave them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A field that a template holds as either a number (an ordinal) or a string.
struct TemplateName {
    bool isNumber = false;
    std::uint16_t number = 0;
    std::string text;  // empty when absent or a number
};

struct DialogFont {
    int pointSize = 0;
    int weight = 0;       // 0 in classic templates, which carry no weight
    bool italic = false;  // false in classic templates
    int charset = 1;      // DEFAULT_CHARSET in classic templates
    std::string face;
};

// What a dialog and each of its controls have alike.
struct TemplateWindow {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t helpId = 0;
    int x = 0;  // rectangle in dialog units
    int y = 0;
    int cx = 0;
    int cy = 0;
};

struct DialogControl : TemplateWindow {
    // The window class in lower case for the predefined ones given as atoms ("button",
    // "edit", "static", "listbox", "scrollbar", "combobox"), or the name as written.
    std::string className;
    std::uint16_t classAtom = 0;  // 0x80..0x85 when the class was an atom, else 0
    // The text: a string, or a number (e.g. the icon resource of an SS_ICON static).
    TemplateName text;
    int id = 0;  // -1 for IDC_STATIC
    std::vector<std::uint8_t> creationData;
};

struct DialogTemplate : TemplateWindow {
    bool extended = false;     // DIALOGEX
    TemplateName menu;         // absent: no number and empty text
    TemplateName windowClass;  // absent: the standard dialog class
    std::string caption;
    bool hasFont = false;  // DS_SETFONT
    DialogFont font;
    std::vector<DialogControl> controls;  // in template order, which is the tab order
};
