#pragma once

#include "scenario/tables/TableData.h"

#include <array>
#include <cstddef>
#include <string>

// Copies the listed entries into a runtime table; numbers the list skips are left as they are.
// The data files check their numbers at compile time; at() still refuses a stray one.
template <std::size_t TableSize, std::size_t N>
void FillNames(std::array<std::string, TableSize>& table,
               const std::array<IndexedText, N>& entries) {
    for (const IndexedText& entry : entries)
        table.at(static_cast<std::size_t>(entry.index)) = std::string(entry.text);
}
