#pragma once

#include <cstdint>

// The record list's editors for the town's dialogue, the string tables and the dialog-button
// labels.

// Whether the list mode's entries open one of these editors.
bool HasTextListEditor(std::int32_t listMode);
// Opens the editor of list entry index and waits until it closes; nothing for another mode.
void OpenTextListEditor(std::int32_t listMode, int index);
