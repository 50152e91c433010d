#include "editor/MapToolHost.h"

#include "dialogs/areas/frmReplaceTerrain.h"
#include "dialogs/areas/frmSetTown.h"

#include "editor/CursorPictures.h"
#include "editor/MapViewBridge.h"
#include "editor/frmMain.h"
#include "graphics/GraphicsSheets.h"
#include "platform/qt/EventPass.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "platform/qt/SharedForms.h"

#include <QLabel>

namespace {
const QImage& CursorPicture(ToolCursor cursor) {
    switch (cursor) {
    case ToolCursor::Pencil:
        return frmPics.iconPencil;
    case ToolCursor::Brush:
        return frmPics.iconBrush;
    case ToolCursor::Spray:
        return frmPics.iconSpray;
    case ToolCursor::Dropper:
        return frmPics.iconDropper;
    case ToolCursor::Area1:
        return frmPics.iconArea1;
    case ToolCursor::Area2:
        return frmPics.iconArea2;
    case ToolCursor::Eraser:
        return frmPics.iconEraser;
    case ToolCursor::Sword:
    case ToolCursor::Unchanged:
        break;
    }
    return frmPics.iconSword;
}
} // namespace

MapToolHost::MapToolHost(frmMain& main) : QObject(&main), main_(main) {}

void MapToolHost::RedrawCell(int x, int y) {
    main_.MapBridge->RedrawCell(x, y);
}

void MapToolHost::RedrawView() {
    main_.MapBridge->RedrawView();
}

void MapToolHost::SelectDrawTerrainTool() {
    main_.SelectDrawTerrainTool();
}

void MapToolHost::ShowToolPrompt(const std::string& prompt) {
    main_.lblTool[1]->setText(ToQString(prompt));
}

void MapToolHost::SetMapCursor(ToolCursor cursor) {
    if (cursor == ToolCursor::Unchanged) return;
    main_.picMap->setCursor(CursorFromPicture(CursorPicture(cursor)));
}

void MapToolHost::RefreshSelTerrain() {
    main_.picSelTerrain_Paint();
    main_.picSelTerrain->Refresh();
}

void MapToolHost::PassEvents() {
    DoEvents();
}

void MapToolHost::SetTownEntrance(int slot) {
    frmSetTown& dialog = SharedForm<frmSetTown>();
    dialog.OutTown = static_cast<std::int16_t>(slot);
    ShowModal(dialog);
}

void MapToolHost::ReplaceTerrain() {
    ShowModal(SharedForm<frmReplaceTerrain>());
}
