#pragma once

#include <QWidget>

// Shown by the program until the main window exists.
class PlaceholderWindow : public QWidget {
public:
    PlaceholderWindow();
};
