#pragma once

#include "map/MapHost.h"

#include <QObject>

class frmMain;

// Joins the main window's map picture box, terrain palette and selected-terrain box to the map
// module: routes their mouse and key events to the window's handlers (the map picture's presses
// and moves as the view cell under the pointer), and carries out the redraws that the map's
// code asks for.
class MapViewBridge : public QObject, public MapHost {
  public:
    explicit MapViewBridge(frmMain& main);

    void RedrawCell(int x, int y) override;
    void RedrawView() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    frmMain& main_;
};
