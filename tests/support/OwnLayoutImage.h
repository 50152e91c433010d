#pragma once

#include "scenario/OwnLayout.h"

#include <cstdint>
#include <vector>

// The scenario written in the editor's own layout, as a file would hold it; the section
// directory of the image is given back when asked for.
inline std::vector<std::uint8_t> OwnLayoutImage(const Scenario& s,
                                                SectionDirectoryTable* directory = nullptr) {
    SectionDirectoryTable dir{};
    return WriteScenarioImage(s, directory ? *directory : dir);
}
