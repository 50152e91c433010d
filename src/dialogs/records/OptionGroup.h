#pragma once

#include <QRadioButton>
#include <cstddef>
#include <span>

// Checks the option button of the value, or none when the group has no button for it (a
// stored value outside the group is shown as no choice and kept).
inline void SelectOption(std::span<QRadioButton* const> options, int value) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        QRadioButton* option = options[i];
        option->setAutoExclusive(false);
        option->setChecked(static_cast<int>(i) == value);
        option->setAutoExclusive(true);
    }
}
