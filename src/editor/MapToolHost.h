#pragma once

#include "map/ToolHost.h"

#include <QObject>

class frmMain;

// The main window's side of the map tools: carries out what the tools ask of the window (labels,
// cursor, redraws, dialogs). Presses on the map picture reach the tools through MapViewBridge.
class MapToolHost : public QObject, public ToolHost {
  public:
    explicit MapToolHost(frmMain& main);

    void RedrawCell(int x, int y) override;
    void RedrawView() override;
    void SelectDrawTerrainTool() override;
    void ShowToolPrompt(const std::string& prompt) override;
    void SetMapCursor(ToolCursor cursor) override;
    void RefreshSelTerrain() override;
    void PassEvents() override;

    // The dialogs of the placement tools (MapToolHostNodes.cpp, MapToolHostTown.cpp; the town
    // entrance here) and the terrain replacement.
    void PlaceSign(int x, int y) override;
    void PlaceTownEntrance(int x, int y) override;
    void EditAreaRect(int slot) override;
    void EditPresetItem(int index) override;
    void EditTownCreature(int index) override;
    void EditSign(int index) override;
    int EditSpecialNode(int node, int nodeSet) override;
    void SetSpecial(int spot) override;
    void SetTownEntrance(int slot) override;
    void ReplaceTerrain() override;
    // Whether ReplaceTerrain opens its dialog; the button stays disabled while it does not.
    static bool CanReplaceTerrain() { return true; }

  private:
    frmMain& main_;
};
