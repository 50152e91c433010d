#include "dialogs/areas/OutdoorChoice.h"

std::vector<std::string> OutdoorSectionEntries(const Scenario& scen) {
    std::vector<std::string> entries;
    for (int x = 0; x < scen.OutdoorWidth; ++x)
        for (int y = 0; y < scen.OutdoorHeight; ++y)
            entries.push_back(std::to_string(x) + "," + std::to_string(y) + " - " +
                              scen.OutdoorSections.At(x, y).Strings[0]);
    return entries;
}

int SectionRow(int x, int y, int height) {
    return x * height + y;
}

Location SectionOfRow(int row, int height) {
    if (height <= 0 || row < 0) return {};
    return {static_cast<std::uint8_t>(row / height), static_cast<std::uint8_t>(row % height)};
}
