#include "editor/PlaceholderWindow.h"

#include <QLabel>
#include <QVBoxLayout>

PlaceholderWindow::PlaceholderWindow() {
    setWindowTitle("Varno Scenario Editor");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("The scenario editor's main window is not built yet.\n"
                                 "Scenario files can already be read and written by its core."));
    resize(420, 120);
}
