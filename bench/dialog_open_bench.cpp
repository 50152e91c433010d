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
#include "support/qt/EveryDialog.h"

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
        // The node editor opens on the first scenario node and reports a stored value it does
        // not take, which would end the case before the window is seen. The node keeps its
        // random values, folded into a type of the table and into 0 to 59, which every field
        // takes, also a field that names a node of the smallest family.
        SpecialNode& first = Scen.ScenSpecialNodes[0];
        first.Type = static_cast<std::int16_t>(first.Type & 0xFF);
        for (std::int16_t* value : {&first.StuffDoneA, &first.StuffDoneB, &first.Message1,
                                    &first.Message2, &first.Picture, &first.Extra1a, &first.Extra1b,
                                    &first.Extra2a, &first.Extra2b, &first.JumpTo})
            *value = static_cast<std::int16_t>((*value % 60 + 60) % 60);
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

// Opens the case's dialog and waits until it has painted itself.
void OpenUntilPainted(const DialogOpening& c) {
    Opening& opening = TheOpening();
    opening.timing = true;
    opening.paint.Watch();
    c.open();
    // A window shown without the modal hook (the stuff-done flags) is waited on here.
    if (opening.timing) {
        opening.paint.Wait();
        opening.painted = Clock::now();
        opening.timing = false;
    }
}

// Times one opening of the case; the windows it leaves are unloaded, untimed.
double TimeOpening(const DialogOpening& c) {
    c.prepare();
    const Clock::time_point start = Clock::now();
    OpenUntilPainted(c);
    const std::chrono::duration<double> elapsed = TheOpening().painted - start;
    return elapsed.count();
}

void BM_FirstOpening(benchmark::State& state, const DialogOpening& c) {
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

void BM_PlainComboDialog(benchmark::State& state, const DialogOpening& c) {
    UseLargestScenario();
    InstallOpeningHook();
    // The entries the dialog's lists hold after its opening.
    QStringList entries;
    try {
        c.prepare();
        OpenUntilPainted(c);
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
    for (const DialogOpening& c : EveryDialog()) {
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
