#pragma once

#include <cstdint>
#include <string>

// Asks the author for a scenario file: mode 1 opens, any other mode saves as. Sets
// ScenFile.FileDialogCancelled: 0 when title (the name without folder) and path (the full
// path) hold the chosen file, -1 when nothing usable was chosen (path is then unchanged).
void OpenScenFile(std::string& title, std::string& path, std::int16_t mode);
