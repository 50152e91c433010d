#pragma once

#include <QRect>
#include <string>

class QWidget;

// Shows the help file (a page of our own markup) in the program's help window, beside the given
// window where the screen has room. The help window closes with Esc or its Close button. A
// missing file is reported in a message box.
void ShowHelpFile(const std::string& path, const QWidget* beside = nullptr);

// Where the help window opens on a screen whose free area is available, next to the window at
// beside: on the side with more room, its preferred width narrowed to that room, no taller than
// the area, its top level with the other window's. Where neither side has room for a readable
// width, it opens centred over the other window, inside the area.
QRect HelpWindowPlace(const QRect& available, const QRect& beside);
