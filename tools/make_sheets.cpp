#include "sheetgen/Sheets.h"
#include "sheetgen/TerrainArt.h"

#include <cstdio>
#include <fstream>
#include <iostream>

// Writes every picture sheet into the folder named on the command line.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: varno-make-sheets <Images folder>\n";
        return 2;
    }
    // Terrain picture n is drawn for the base scenario's terrain type n; the two must not drift.
    const auto disagreements = TerrainLooksDisagreeing();
    for (const std::string& d : disagreements)
        std::cerr << "terrain table and terrain art disagree on " << d << "\n";
    if (!disagreements.empty()) return 1;

    const std::string folder = argv[1];
    for (const GeneratedFile& file : GenerateSheets()) {
        const std::string path = folder + "/" + file.name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.bytes.data()),
                  static_cast<std::streamsize>(file.bytes.size()));
        if (!out) {
            std::cerr << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
