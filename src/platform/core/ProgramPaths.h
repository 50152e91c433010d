#pragma once

#include <string>
#include <string_view>
#include <vector>

// The program works relative to its own folder: pictures in Images, scenarios in scenario.

// The folder that holds the running program, without a trailing slash.
std::string ProgramFolder();

// Turns a program-relative path written with backslashes ("\scenario\fenmarrow\fenmarrow.vrs")
// into a real path under the program folder.
std::string ProgramPath(std::string_view backslashPath);

// The private folder in which a save keeps a spare copy of the scenario file. It belongs to this
// user alone (mode 0700), so that no other user can take its place or read the copy: a folder
// "varno-editor" in $XDG_RUNTIME_DIR when that is set and private, else in the user's cache
// folder ($XDG_CACHE_HOME, or .cache in the home folder); created when missing. When neither can
// be made private, "Permission denied".
std::string TempSaveFolder();
// The places TempSaveFolder chooses from, of those that exist already as this user's own private
// folders; none is made. An earlier run may have used either, as its environment was then.
std::vector<std::string> ExistingTempSaveFolders();

// A file name from the author or a file must name a file in its folder, not a path: not empty,
// not "." or "..", and without "/", "\" (which the program's paths turn into "/") or NUL.
bool IsPlainFileName(std::string_view name);

// The path of a scenario file of this name in the program's scenario folder. A name that is not
// a plain file name raises "Bad file name or number".
std::string ScenarioFolderFile(const std::string& name);

// Tests point the program folder and the temporary folder elsewhere; "" restores the default.
void SetProgramFolderForTesting(const std::string& folder);
void SetTempSaveFolderForTesting(const std::string& folder);
