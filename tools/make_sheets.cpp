#include "sheetgen/Sheets.h"

#include <cstdio>
#include <fstream>
#include <iostream>

// Writes every picture sheet into the folder named on the command line.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: varno-make-sheets <Images folder>\n";
        return 2;
    }
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
