#include "editor/ScenarioRecordMenus.h"

#include "dialogs/records/frmEditSaveItem.h"
#include "dialogs/records/frmEventTimers.h"
#include "dialogs/records/frmScenDet.h"
#include "dialogs/records/frmScenIntroText.h"
#include "dialogs/records/frmStuffDone.h"
#include "dialogs/records/frmTransport.h"
#include "editor/frmMain.h"
#include "forms/HandlerGuard.h"
#include "platform/qt/SharedForms.h"

#include <QAction>
#include <functional>

namespace {
void ShowEventTimers(std::int32_t eventType) {
    frmEventTimers& dialog = SharedForm<frmEventTimers>();
    dialog.EventType = eventType;
    ShowModal(dialog);
}

void ShowTransports(std::int16_t transportType) {
    frmTransport& dialog = SharedForm<frmTransport>();
    dialog.TransportType = transportType;
    ShowModal(dialog);
}
} // namespace

void ConnectScenarioRecordMenus(frmMain& main) {
    const std::pair<QAction*, std::function<void()>> entries[] = {
        {main.mnuScenDetails, [] { ShowModal(SharedForm<frmScenDet>()); }},
        {main.mnuScenIntroText, [] { ShowModal(SharedForm<frmScenIntroText>()); }},
        {main.mnuScenStuffDone, [] { SharedForm<frmStuffDone>().ShowModeless(); }},
        {main.mnuScenSave, [] { ShowModal(SharedForm<frmEditSaveItem>()); }},
        {main.mnuScenEvent, [] { ShowEventTimers(0); }},
        {main.mnuTownEvent,
         [&main] {
             main.HideMapEditor();
             ShowEventTimers(2);
         }},
        {main.mnuScenBoats, [] { ShowTransports(0); }},
        {main.mnuScenHorses, [] { ShowTransports(1); }},
    };
    for (const auto& [action, open] : entries) {
        action->setEnabled(true);
        ConnectGuarded(action, &QAction::triggered, &main, open);
    }
}
