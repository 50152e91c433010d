#pragma once

class ToolHost;

// The map actions of the placement tools 10..52 (all but 13), each on the clicked grid cell
// (x, y), which lies inside EditBounds. The tool table names them.

// Signs, area descriptions, wandering arrival points and special spots (tools 10..18).
void EditSignTool(int x, int y, ToolHost& host);
void AreaDescriptionTool(int x, int y, ToolHost& host);
void WanderingMonstersTool(int x, int y, ToolHost& host);
void PlaceEditSpecialTool(int x, int y, ToolHost& host);
void CopySpecialTool(int x, int y, ToolHost& host);
void PasteSpecialTool(int x, int y, ToolHost& host);
void EraseSpecialTool(int x, int y, ToolHost& host);
void SetSpecialTool(int x, int y, ToolHost& host);
// Outdoors: the town entrance on the cell (tool 19).
void SetTownEntranceTool(int x, int y, ToolHost& host);

// A town's entry point 0..3 (north, east, south, west) on the cell (tools 20..23).
void SetEntryPoint(int x, int y, int point, ToolHost& host);
template <int Point> void SetEntryTool(int x, int y, ToolHost& host) {
    SetEntryPoint(x, y, Point, host);
}

// Preset items and creatures (tools 24..31).
void PlaceItemTool(int x, int y, ToolHost& host);
void EditItemsTool(int x, int y, ToolHost& host);
void DupItemTool(int x, int y, ToolHost& host);
void EraseItemsTool(int x, int y, ToolHost& host);
void PlaceMonsterTool(int x, int y, ToolHost& host);
void EditMonstersTool(int x, int y, ToolHost& host);
void DupMonsterTool(int x, int y, ToolHost& host);
void EraseMonstersTool(int x, int y, ToolHost& host);

// A field of kind 0..13 (tools 32..45), and the tool that clears every field of the cell (46).
void PlaceFieldOfKind(int x, int y, int kind, ToolHost& host);
template <int Kind> void PlaceFieldTool(int x, int y, ToolHost& host) {
    PlaceFieldOfKind(x, y, Kind, host);
}
void ClearFieldsTool(int x, int y, ToolHost& host);

// The two-click town boundary and saved-items area, and the starting place (tools 47..49).
void TownBoundariesTool(int x, int y, ToolHost& host);
void SetSaveAreaTool(int x, int y, ToolHost& host);
void SetStartLocationTool(int x, int y, ToolHost& host);

// A boat (kind 0) or a horse (kind 1), and the tool that deletes both (tools 50..52).
void PlaceTransportOfKind(int x, int y, int kind, ToolHost& host);
template <int Kind> void PlaceTransportTool(int x, int y, ToolHost& host) {
    PlaceTransportOfKind(x, y, Kind, host);
}
void DeleteTransportTool(int x, int y, ToolHost& host);
