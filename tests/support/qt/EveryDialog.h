#pragma once

// Every dialog of the program, opened as its menu entry or its caller opens it, on a scenario
// already in place: the window benchmarks and the tests that walk every window share this table.
#include "dialogs/areas/frmAreaDesc.h"
#include "dialogs/areas/frmAreaDesc1.h"
#include "dialogs/areas/frmCreateTown.h"
#include "dialogs/areas/frmImportTown.h"
#include "dialogs/areas/frmOutDetails.h"
#include "dialogs/areas/frmOutLoad.h"
#include "dialogs/areas/frmOutWandering.h"
#include "dialogs/areas/frmReplaceTerrain.h"
#include "dialogs/areas/frmSetTown.h"
#include "dialogs/areas/frmTownDetails.h"
#include "dialogs/areas/frmTownItem.h"
#include "dialogs/areas/frmTownLoad.h"
#include "dialogs/areas/frmTownMonster.h"
#include "dialogs/areas/frmTownWandering.h"
#include "dialogs/areas/frmVarTownEntry.h"
#include "dialogs/nodes/SpotNodeNumberDialog.h"
#include "dialogs/nodes/StringSlots.h"
#include "dialogs/nodes/frmDialog.h"
#include "dialogs/nodes/frmDialogNode.h"
#include "dialogs/nodes/frmEditShortText.h"
#include "dialogs/nodes/frmEditSign.h"
#include "dialogs/nodes/frmEditSpNode.h"
#include "dialogs/nodes/frmEditText.h"
#include "dialogs/nodes/frmEditText2.h"
#include "dialogs/nodes/frmEditText6.h"
#include "dialogs/pictures/frmSelectIcon.h"
#include "dialogs/records/frmEditItem.h"
#include "dialogs/records/frmEditItemAbility.h"
#include "dialogs/records/frmEditMonstAbility.h"
#include "dialogs/records/frmEditMonster.h"
#include "dialogs/records/frmEditSaveItem.h"
#include "dialogs/records/frmEditSpItem.h"
#include "dialogs/records/frmEditTerrain.h"
#include "dialogs/records/frmEventTimers.h"
#include "dialogs/records/frmMonstPicSize.h"
#include "dialogs/records/frmScenDet.h"
#include "dialogs/records/frmScenIntroText.h"
#include "dialogs/records/frmStuffDone.h"
#include "dialogs/records/frmTransport.h"
#include "editor/frmFileNew.h"
#include "platform/qt/SharedForms.h"

#include <functional>
#include <vector>

struct DialogOpening {
    const char* name;
    // Opens the dialog. Every dialog but the stuff-done flags opens modally, through the modal
    // hook; that one is only shown.
    std::function<void()> open;
    // Opens the windows the dialog is opened from.
    std::function<void()> prepare = [] {};
};

namespace every_dialog {
template <class Form> std::function<void()> Modal(std::function<void(Form&)> set = {}) {
    return [set] {
        Form& form = SharedForm<Form>();
        if (set) set(form);
        ShowModal(form);
    };
}
} // namespace every_dialog

inline const std::vector<DialogOpening>& EveryDialog() {
    using every_dialog::Modal;
    // The node editor on the scenario's first node; the two text dialogs open from it.
    static const std::function<void()> firstNode = Modal<frmEditSpNode>([](auto& f) {
        f.NodeSet = 0;
        f.NodeNum = 0;
    });
    static const std::vector<DialogOpening> dialogs = {
        {"frmAreaDesc", Modal<frmAreaDesc>([](auto& f) { f.Context = 1; })},
        {"frmAreaDesc1", Modal<frmAreaDesc1>([](auto& f) { f.AreaNum = 0; })},
        {"frmCreateTown", Modal<frmCreateTown>()},
        {"frmImportTown", Modal<frmImportTown>([](auto& f) { f.Context = 0; })},
        {"frmOutDetails", Modal<frmOutDetails>()},
        {"frmOutLoad", Modal<frmOutLoad>()},
        {"frmOutWandering", Modal<frmOutWandering>([](auto& f) { f.Context = 0; })},
        {"frmReplaceTerrain", Modal<frmReplaceTerrain>()},
        {"frmSetTown", Modal<frmSetTown>([](auto& f) { f.OutTown = 0; })},
        {"frmTownDetails", Modal<frmTownDetails>()},
        {"frmTownItem", Modal<frmTownItem>([](auto& f) {
             f.Context = true;
             f.ItemNum = 0;
         })},
        {"frmTownLoad", Modal<frmTownLoad>()},
        {"frmTownMonster", Modal<frmTownMonster>([](auto& f) {
             f.Context = true;
             f.MonstNum = 0;
         })},
        {"frmTownWandering", Modal<frmTownWandering>()},
        {"frmVarTownEntry", Modal<frmVarTownEntry>()},
        {"frmDialog", Modal<frmDialog>([](auto& f) { f.Personality = 0; })},
        {"frmDialogNode", Modal<frmDialogNode>([](auto& f) { f.DialogNum = 0; })},
        {"frmEditShortText", Modal<frmEditShortText>([](auto& f) {
             f.Context = 0;
             f.TextNum = 0;
         })},
        {"frmEditSign", Modal<frmEditSign>([](auto& f) { f.SignNum = 0; })},
        {"frmEditSpNode", firstNode},
        {"frmEditText", Modal<frmEditText>([](auto& f) {
             f.TextType = texttype::Scenario;
             f.TextNum = 0;
         })},
        {"frmEditText2", Modal<frmEditText2>([](auto& f) {
             f.Mess0 = 0;
             f.Mess1 = 1;
         }),
         firstNode},
        {"frmEditText6", Modal<frmEditText6>([](auto& f) { f.Mess0 = 0; }), firstNode},
        {"frmSetSpecial", Modal<frmSetSpecial>([](auto& f) { f.Special = 0; })},
        {"frmSelectIcon", Modal<frmSelectIcon>([](auto& f) {
             f.PictureSet = 1;
             f.PictureSelect = 0;
         })},
        {"frmEditItem", Modal<frmEditItem>([](auto& f) { f.ItemNum = 0; })},
        {"frmEditItemAbility", Modal<frmEditItemAbility>(),
         Modal<frmEditItem>([](auto& f) { f.ItemNum = 0; })},
        {"frmEditMonster", Modal<frmEditMonster>([](auto& f) { f.MonstNum = 1; })},
        {"frmEditMonstAbility", Modal<frmEditMonstAbility>(),
         Modal<frmEditMonster>([](auto& f) { f.MonstNum = 1; })},
        {"frmMonstPicSize", Modal<frmMonstPicSize>()},
        {"frmEditSaveItem", Modal<frmEditSaveItem>()},
        {"frmEditSpItem", Modal<frmEditSpItem>([](auto& f) { f.SpItemNum = 0; })},
        {"frmEditTerrain", Modal<frmEditTerrain>([](auto& f) { f.TerrNum = 0; })},
        {"frmEventTimers", Modal<frmEventTimers>([](auto& f) { f.EventType = 0; })},
        {"frmScenDet", Modal<frmScenDet>()},
        {"frmScenIntroText", Modal<frmScenIntroText>()},
        {"frmStuffDone", [] { SharedForm<frmStuffDone>().ShowModeless(); }},
        {"frmTransport", Modal<frmTransport>([](auto& f) { f.TransportType = 0; })},
        {"frmFileNew", Modal<frmFileNew>()},
    };
    return dialogs;
}
