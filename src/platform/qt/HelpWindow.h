#pragma once

#include <string>

// Shows the help file (a page of our own markup) in the program's help window. A missing file
// is reported in a message box.
void ShowHelpFile(const std::string& path);
