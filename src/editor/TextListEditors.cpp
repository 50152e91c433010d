#include "editor/TextListEditors.h"

#include "dialogs/nodes/StringSlots.h"
#include "dialogs/nodes/frmDialog.h"
#include "dialogs/nodes/frmDialogNode.h"
#include "dialogs/nodes/frmEditShortText.h"
#include "dialogs/nodes/frmEditText.h"
#include "platform/qt/SharedForms.h"

namespace {
// The dialogue list shows the ten personalities first, then the talking nodes.
constexpr int kPersonalityRows = 10;

// The string table of a text list mode, or -1 for another mode.
std::int32_t TextTypeOfListMode(std::int32_t listMode) {
    switch (listMode) {
    case 3:
        return texttype::Outdoor;
    case 5:
        return texttype::Scenario;
    case 7:
        return texttype::Town;
    default:
        return -1;
    }
}
} // namespace

bool HasTextListEditor(std::int32_t listMode) {
    return listMode == 0 || listMode == 10 || TextTypeOfListMode(listMode) >= 0;
}

void OpenTextListEditor(std::int32_t listMode, int index) {
    if (listMode == 0 && index < kPersonalityRows) {
        frmDialog& editor = SharedForm<frmDialog>();
        editor.Personality = static_cast<std::int16_t>(index);
        ShowModal(editor);
    } else if (listMode == 0) {
        frmDialogNode& editor = SharedForm<frmDialogNode>();
        editor.DialogNum = static_cast<std::int16_t>(index - kPersonalityRows);
        ShowModal(editor);
    } else if (listMode == 10) {
        frmEditShortText& editor = SharedForm<frmEditShortText>();
        editor.Context = 0;
        editor.TextNum = static_cast<std::int16_t>(index);
        ShowModal(editor);
    } else if (const std::int32_t textType = TextTypeOfListMode(listMode); textType >= 0) {
        frmEditText& editor = SharedForm<frmEditText>();
        editor.TextType = textType;
        editor.TextNum = static_cast<std::int16_t>(index);
        ShowModal(editor);
    }
}
