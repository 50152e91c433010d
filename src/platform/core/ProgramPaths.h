#pragma once

#include <string>
#include <string_view>

// The program works relative to its own folder: pictures in Images, scenarios in scenario.

// The folder that holds the running program, without a trailing slash.
std::string ProgramFolder();

// Turns a program-relative path written with backslashes ("\scenario\fenmarrow\fenmarrow.vrs")
// into a real path under the program folder.
std::string ProgramPath(std::string_view backslashPath);

// The private folder in which a save builds its file before it replaces the scenario file.
// It belongs to this user alone (mode 0700) and is created when missing; a folder at that place
// that is not the user's own, or is open to others, raises "Permission denied".
std::string TempSaveFolder();

// A file name from the author or a file must name a file in its folder, not a path.
bool IsPlainFileName(std::string_view name);

// Tests point the program folder and the temporary folder elsewhere; "" restores the default.
void SetProgramFolderForTesting(const std::string& folder);
void SetTempSaveFolderForTesting(const std::string& folder);
