#pragma once

// What the map needs from the window that shows it. The map's code changes the records and
// the grid, and asks its host to show the result; the main window implements it with its
// picture box, tests with a recorder.
class MapHost {
  public:
    // Draws grid cell (x, y) where the current view shows it, over what is there, and makes
    // the change visible. A cell the view does not show is not drawn.
    virtual void RedrawCell(int x, int y) = 0;
    // Repaints the whole view.
    virtual void RedrawView() = 0;

  protected:
    ~MapHost() = default;
};
