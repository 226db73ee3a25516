// What assistive technologies are told of a window that holds a list of items, such as
// the notes of a staff: an operable list with one child per item.
#pragma once

#include <string>
#include <vector>

#include "platform/CRect.h"

struct AccessibleItem {
    std::string name;
    // The item with its place among the others, said when it becomes current or changes.
    std::string description;
    // Where the item lies, in client pixels.
    CRect area;

    bool operator==(const AccessibleItem&) const = default;
};

struct AccessibleList {
    std::string name;
    // Every item in words: the list's description and value.
    std::string text;
    // In reading order.
    std::vector<AccessibleItem> items;
    // The item that the keyboard works on, focused while the window has the focus and
    // selected; -1 for none.
    int current = -1;

    bool operator==(const AccessibleList&) const = default;
};
