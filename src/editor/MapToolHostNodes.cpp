// The sign and special-node dialogs and the records made with them that the map tools open,
// shown modally with the members each expects (the town dialogs: MapToolHostTown.cpp). The
// tools read the records back themselves once the dialog has closed.
#include "editor/MapToolHost.h"

#include "dialogs/nodes/SpotNodeNumberDialog.h"
#include "dialogs/nodes/frmEditSign.h"
#include "dialogs/nodes/frmEditSpNode.h"
#include "map/objects/AreaObjects.h"
#include "platform/qt/SharedForms.h"

void MapToolHost::PlaceSign(int x, int y) {
    ::PlaceSign(x, y, *this);
}

void MapToolHost::PlaceTownEntrance(int x, int y) {
    ::PlaceTownEntrance(x, y, *this);
}

void MapToolHost::EditSign(int index) {
    frmEditSign& dialog = SharedForm<frmEditSign>();
    dialog.SignNum = static_cast<std::int16_t>(index);
    ShowModal(dialog);
}

int MapToolHost::EditSpecialNode(int node, int nodeSet) {
    frmEditSpNode& editor = SharedForm<frmEditSpNode>();
    editor.NodeSet = nodeSet;
    editor.NodeNum = static_cast<std::int16_t>(node);
    ShowModal(editor);
    return editor.NodeNum;
}

void MapToolHost::SetSpecial(int spot) {
    frmSetSpecial& dialog = SharedForm<frmSetSpecial>();
    dialog.Special = static_cast<std::int16_t>(spot);
    ShowModal(dialog);
}
