#include "editor/RecordEditorOpeners.h"

#include "dialogs/records/frmEditItem.h"
#include "dialogs/records/frmEditSpItem.h"
#include "dialogs/records/frmEditTerrain.h"
#include "platform/qt/SharedForms.h"

void OpenItemTypeEditor(std::int16_t itemNum) {
    frmEditItem& editor = SharedForm<frmEditItem>();
    editor.ItemNum = itemNum;
    ShowModal(editor);
}

void OpenTerrainTypeEditor(std::uint8_t terrNum) {
    frmEditTerrain& editor = SharedForm<frmEditTerrain>();
    editor.TerrNum = terrNum;
    ShowModal(editor);
}

void OpenSpecialItemEditor(std::int16_t spItemNum) {
    frmEditSpItem& editor = SharedForm<frmEditSpItem>();
    editor.SpItemNum = spItemNum;
    ShowModal(editor);
}
