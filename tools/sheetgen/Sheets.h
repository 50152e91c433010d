#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One file of the program's Images folder, as bitmap bytes.
struct GeneratedFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// Every picture sheet, the start-up picture and the cursor pictures, in a fixed order.
std::vector<GeneratedFile> GenerateSheets();
