#pragma once

#include "map/MapHost.h"

#include <string>

// The map cursor pictures a tool can ask for.
enum class ToolCursor { Unchanged, Pencil, Brush, Spray, Dropper, Area1, Area2, Eraser, Sword };

// What the map tools need from the window that hosts the map: the tool labels, the cursor, the
// selected-terrain box, and the dialogs some tools open. The main window implements it with its
// controls and the real dialogs; tests implement it with a script. Each dialog is shown modally
// and has written its results into the records when the call returns.
class ToolHost : public MapHost {
  public:
    // Makes Draw Terrain the current tool, with its caption, prompt and cursor.
    virtual void SelectDrawTerrainTool() = 0;
    // Shows a prompt under the tool's caption while a multi-click tool waits.
    virtual void ShowToolPrompt(const std::string& prompt) = 0;
    virtual void SetMapCursor(ToolCursor cursor) = 0;
    // Redraws the selected-terrain box after the selected terrain changed.
    virtual void RefreshSelTerrain() = 0;
    // One pass over pending paint and timer events (never user input).
    virtual void PassEvents() = 0;

    // Sign and town-entrance records made when sign or town-entrance terrain is drawn; each
    // opens its editor.
    virtual void PlaceSign(int x, int y) = 0;
    virtual void PlaceTownEntrance(int x, int y) = 0;

    // The dialogs of the placement tools, each with the record it edits.
    virtual void EditAreaRect(int slot) = 0;
    virtual void EditPresetItem(int index) = 0;
    virtual void EditTownCreature(int index) = 0;
    virtual void EditSign(int index) = 0;
    // Returns the node the editor leaves in place (-1 for none).
    virtual int EditSpecialNode(int node, int nodeSet) = 0;
    virtual void SetSpecial(int spot) = 0;
    virtual void SetTownEntrance(int slot) = 0;
    // The random terrain replacement of the current town or outdoor section.
    virtual void ReplaceTerrain() = 0;

  protected:
    ~ToolHost() = default;
};
