#include "map/render/MapRenderer.h"

#include "graphics/Drawing.h"

namespace {
// One plan buffer for every drawing call: a repaint then allocates nothing once it has run.
MapDrawPlan& ScratchPlan() {
    static MapDrawPlan plan;
    plan.clear();
    return plan;
}
} // namespace

void DrawMapPlan(Surface& pic, const MapDrawPlan& plan) {
    for (const MapDrawStep& s : plan) {
        switch (s.what) {
        case MapDraw::Terrain:
            DrawTerrainPic(pic, s.number, s.x, s.y);
            break;
        case MapDraw::TinyTerrain:
            DrawTerrainPicTiny(pic, s.number, s.x, s.y);
            break;
        case MapDraw::Icon:
            DrawTerDispIcon(pic, s.number, s.x, s.y);
            break;
        case MapDraw::Connector:
            DrawCellQuarterPic(pic, s.number, s.x, s.y);
            break;
        case MapDraw::Field:
            DrawFieldPic(pic, s.number, s.x, s.y);
            break;
        case MapDraw::Item:
            DrawItemOnMap(pic, s.number, s.x, s.y);
            break;
        case MapDraw::Creature:
            DrawCreatureOnMap(pic, s.number, s.tile, s.x, s.y);
            break;
        case MapDraw::Boat:
            DrawFieldsRowPic(pic, s.number, s.x, s.y);
            break;
        case MapDraw::Horse:
            DrawFieldsRowPicAt(pic, s.number, s.x, s.y);
            break;
        case MapDraw::Edge:
            DrawCellRectEdges(pic, s.number, s.x, s.y);
            break;
        }
    }
}

void DrawMapView(Surface& pic) {
    MapDrawPlan& plan = ScratchPlan();
    PlanMapView(plan);
    DrawMapPlan(pic, plan);
}

void DrawWholeMap(Surface& pic) {
    MapDrawPlan& plan = ScratchPlan();
    PlanWholeMap(plan);
    DrawMapPlan(pic, plan);
}

void DrawMapCell(Surface& pic, int px, int py, int cellX, int cellY) {
    MapDrawPlan& plan = ScratchPlan();
    PlanMapCell(plan, px, py, cellX, cellY);
    DrawMapPlan(pic, plan);
}
