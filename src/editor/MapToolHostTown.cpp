// The town dialogs that the placement tools open for one record of the area being edited.
#include "editor/MapToolHost.h"

#include "dialogs/areas/frmAreaDesc1.h"
#include "dialogs/areas/frmTownItem.h"
#include "dialogs/areas/frmTownMonster.h"
#include "platform/qt/SharedForms.h"

void MapToolHost::EditAreaRect(int slot) {
    frmAreaDesc1& dialog = SharedForm<frmAreaDesc1>();
    dialog.AreaNum = static_cast<std::int16_t>(slot);
    ShowModal(dialog);
}

void MapToolHost::EditPresetItem(int index) {
    frmTownItem& dialog = SharedForm<frmTownItem>();
    dialog.Context = false;
    dialog.ItemNum = static_cast<std::int16_t>(index);
    ShowModal(dialog);
}

void MapToolHost::EditTownCreature(int index) {
    frmTownMonster& dialog = SharedForm<frmTownMonster>();
    dialog.Context = false;
    dialog.MonstNum = static_cast<std::int16_t>(index);
    ShowModal(dialog);
}
