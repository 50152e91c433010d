// Opening the windows on the largest scenario, on the offscreen platform.
//
// Every dialog's first opening: the shared window is created, opened as its opener opens it,
// and shown until it has painted itself. Beside each, its baseline: a plain QDialog with one
// QComboBox that holds every entry of the dialog's lists, filled by one addItems and shown
// until it has painted itself. Both are created afresh in each iteration on the same warm
// scenario, sheets and fonts.
//
// The list panel's switch to each list mode: the list is filled and shown in the main window
// until it has painted itself, beside a plain QListWidget of the same size holding the same
// entries, filled by one addItems and shown until it has painted itself.
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
#include "editor/frmMain.h"
#include "graphics/GraphicsSheets.h"
#include "map/MapState.h"
#include "platform/core/MsgBox.h"
#include "platform/core/ProgramPaths.h"
#include "platform/qt/GuardedApplication.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/SharedForms.h"
#include "scenario/Scenario.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/SampleScenario.h"

#include "FirstPaint.h"
#include "LongText.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QListWidget>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

// The largest scenario, as the loading benchmark builds it: 50 x 50 outdoor sections and 255
// large towns, every list full, every text at its longest.
void UseLargestScenario() {
    static const bool ready = [] {
        SetProgramFolderForTesting(VARNO_APP_DIR);
        InitCommonTables();
        InitScenEditorTables();
        LoadGraphics();
        Scen = MakeVariedScenario(50, 50, 255, 77);
        for (auto& t : Scen.ScenStrings)
            t = LongText(1);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x)
                for (auto& t : Scen.OutdoorSections.At(x, y).Strings)
                    t = LongText(x + y);
        for (std::size_t i = 0; i < Scen.Towns.size(); ++i) {
            Town& town = Scen.Towns[i];
            town.Size = 0;
            town.Terrain = TerrainGrid(64);
            for (auto& t : town.Strings)
                t = LongText(static_cast<int>(i));
            TownTalk& talk = Scen.TownTalks[i];
            for (auto& p : talk.Personalities)
                p = {LongText(1), LongText(2), LongText(3), LongText(4), LongText(5)};
            for (auto& n : talk.Nodes) {
                n.Text1 = LongText(6);
                n.Text2 = LongText(7);
            }
        }
        Scen.CurrentTown = 0;
        Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 0;
        Map.EditMode = kEditLargeTown;
        return true;
    }();
    (void)ready;
}

// What a dialog's opening has drawn: the clock stops when the dialog has painted itself.
struct Opening {
    FirstPaint paint;
    bool timing = false;
    Clock::time_point painted;
};

Opening& TheOpening() {
    static Opening opening;
    return opening;
}

// Shows a window opened modally until it has painted itself, in place of waiting on it;
// the windows that a case opens before its timed dialog are only loaded.
void InstallOpeningHook() {
    SetModalFormHook([](ModalForm& form) {
        Opening& opening = TheOpening();
        if (!opening.timing) return;
        form.show();
        opening.paint.Wait();
        opening.painted = Clock::now();
        opening.timing = false;
    });
    SetMsgBoxHook([](const MsgBoxCall& call) -> MsgBoxResult {
        throw std::runtime_error("a message box opened: " + call.text);
    });
}

struct DialogCase {
    const char* name;
    std::function<void()> open;
    // Opens the windows the dialog is opened from; not timed.
    std::function<void()> prepare = [] {};
};

template <class Form> std::function<void()> Modal(std::function<void(Form&)> set = {}) {
    return [set] {
        Form& form = SharedForm<Form>();
        if (set) set(form);
        ShowModal(form);
    };
}

const std::vector<DialogCase>& DialogCases() {
    static const std::vector<DialogCase> cases = {
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
        {"frmEditSpNode", Modal<frmEditSpNode>([](auto& f) {
             f.NodeSet = 0;
             f.NodeNum = 0;
         })},
        {"frmEditText", Modal<frmEditText>([](auto& f) {
             f.TextType = texttype::Scenario;
             f.TextNum = 0;
         })},
        {"frmEditText2", Modal<frmEditText2>([](auto& f) {
             f.Mess0 = 0;
             f.Mess1 = 1;
         }),
         Modal<frmEditSpNode>([](auto& f) {
             f.NodeSet = 0;
             f.NodeNum = 0;
         })},
        {"frmEditText6", Modal<frmEditText6>([](auto& f) { f.Mess0 = 0; }),
         Modal<frmEditSpNode>([](auto& f) {
             f.NodeSet = 0;
             f.NodeNum = 0;
         })},
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
        {"frmStuffDone",
         [] {
             frmStuffDone& form = SharedForm<frmStuffDone>();
             form.ShowModeless();
             Opening& opening = TheOpening();
             opening.paint.Wait();
             opening.painted = Clock::now();
             opening.timing = false;
         }},
        {"frmTransport", Modal<frmTransport>([](auto& f) { f.TransportType = 0; })},
        {"frmFileNew", Modal<frmFileNew>()},
    };
    return cases;
}

// Every entry of every list of the window's dialogs, in one list.
QStringList EntriesOfLists(const QWidget& window) {
    QStringList entries;
    for (const QComboBox* list : window.findChildren<QComboBox*>())
        for (int i = 0; i < list->count(); ++i)
            entries.push_back(list->itemText(i));
    for (const QListWidget* list : window.findChildren<QListWidget*>())
        for (int i = 0; i < list->count(); ++i)
            entries.push_back(list->item(i)->text());
    return entries;
}

// Times one opening of the case; the windows it leaves are unloaded, untimed.
double TimeOpening(const DialogCase& c) {
    c.prepare();
    Opening& opening = TheOpening();
    opening.timing = true;
    opening.paint.Watch();
    const Clock::time_point start = Clock::now();
    c.open();
    if (opening.timing) throw std::runtime_error("the dialog was never shown");
    const std::chrono::duration<double> elapsed = opening.painted - start;
    return elapsed.count();
}

void BM_FirstOpening(benchmark::State& state, const DialogCase& c) {
    UseLargestScenario();
    InstallOpeningHook();
    for (auto _ : state) {
        try {
            state.SetIterationTime(TimeOpening(c));
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            break;
        }
        UnloadAllForms();
        QCoreApplication::processEvents();
    }
}

void BM_PlainComboDialog(benchmark::State& state, const DialogCase& c) {
    UseLargestScenario();
    InstallOpeningHook();
    // The entries the dialog's lists hold after its opening.
    QStringList entries;
    try {
        c.prepare();
        Opening& opening = TheOpening();
        opening.timing = true;
        opening.paint.Watch();
        c.open();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() || window->findChildren<QComboBox*>().size() > 0)
                entries += EntriesOfLists(*window);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
    UnloadAllForms();
    FirstPaint paint;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        auto dialog = std::make_unique<QDialog>();
        auto* list = new QComboBox(dialog.get());
        auto* column = new QVBoxLayout(dialog.get());
        column->addWidget(list);
        list->addItems(entries);
        paint.Watch();
        dialog->show();
        paint.Wait();
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        state.SetIterationTime(elapsed.count());
        dialog.reset();
        QCoreApplication::processEvents();
    }
    state.counters["entries"] = static_cast<double>(entries.size());
}

// The main window, shown on the largest scenario.
frmMain& ShownMainWindow() {
    frmMain& main = SharedForm<frmMain>();
    if (!main.isVisible()) {
        FirstPaint paint;
        paint.Watch();
        main.show();
        paint.Wait();
    }
    return main;
}

void BM_ListModeSwitch(benchmark::State& state) {
    UseLargestScenario();
    InstallOpeningHook();
    const auto mode = static_cast<std::int32_t>(state.range(0));
    FirstPaint paint;
    for (auto _ : state) {
        state.PauseTiming();
        frmMain& main = ShownMainWindow();
        // The list comes from another mode: the map editor's view, which hides it.
        main.HideMapEditor();
        QCoreApplication::processEvents();
        paint.Watch();
        state.ResumeTiming();

        main.ListCommand(mode);
        paint.Wait();
    }
    state.counters["entries"] = SharedForm<frmMain>().List1->count();
    UnloadAllForms();
}

void BM_PlainListWidget(benchmark::State& state) {
    UseLargestScenario();
    InstallOpeningHook();
    const auto mode = static_cast<std::int32_t>(state.range(0));
    frmMain& main = ShownMainWindow();
    main.ListCommand(mode);
    QStringList entries;
    for (int i = 0; i < main.List1->count(); ++i)
        entries.push_back(main.List1->item(i)->text());
    const QSize size = main.List1->size();
    UnloadAllForms();
    FirstPaint paint;
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<QListWidget>();
        list->resize(size);
        paint.Watch();
        state.ResumeTiming();

        list->addItems(entries);
        list->show();
        paint.Wait();

        state.PauseTiming();
        list.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["entries"] = static_cast<double>(entries.size());
}

// Every list mode of the list panel, 0 to 11.
BENCHMARK(BM_ListModeSwitch)->DenseRange(0, 11)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainListWidget)->DenseRange(0, 11)->Unit(benchmark::kMillisecond);

void RegisterDialogs() {
    for (const DialogCase& c : DialogCases()) {
        benchmark::RegisterBenchmark((std::string("BM_FirstOpening/") + c.name).c_str(),
                                     [&c](benchmark::State& s) { BM_FirstOpening(s, c); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_PlainComboDialog/") + c.name).c_str(),
                                     [&c](benchmark::State& s) { BM_PlainComboDialog(s, c); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notices would bury the results.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    GuardedApplication app(argc, argv);
    InstallQtPlatform();
    RegisterDialogs();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    UnloadAllForms();
    return 0;
}
