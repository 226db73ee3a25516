// The dialogs' drop-down lists offer the entries of a table in the table's order: a value
// shows as its place in the list, and the place chosen reads back as its entry, a place
// outside the table (nothing chosen) as none.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>

#include "app/PracticeTexts.h"
#include "platform/CComboBox.h"

namespace choice_list {

// The texts of `ids`, in their order.
template <typename Ids>
void AddTexts(CComboBox& list, const Ids& ids) {
    for (const UINT id : ids) {
        list.AddString(practice_texts::LoadText(id).c_str());
    }
}

inline void AddTexts(CComboBox& list, std::initializer_list<UINT> ids) {
    AddTexts<std::initializer_list<UINT>>(list, ids);
}

template <typename T, std::size_t N>
int IndexOf(const std::array<T, N>& values, const T& value, int fallback) {
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == value) {
            return static_cast<int>(i);
        }
    }
    return fallback;
}

template <typename T, std::size_t N>
std::optional<T> Chosen(const CComboBox& list, const std::array<T, N>& values) {
    const int index = list.GetCurSel();
    if (index < 0 || static_cast<std::size_t>(index) >= N) {
        return std::nullopt;
    }
    return values[static_cast<std::size_t>(index)];
}

// The chosen entry into `value`; false, with `value` kept, when nothing is chosen.
template <typename T, std::size_t N>
bool Take(const CComboBox& list, const std::array<T, N>& values, T& value) {
    const std::optional<T> chosen = Chosen(list, values);
    if (chosen) {
        value = *chosen;
    }
    return chosen.has_value();
}

}  // namespace choice_list
