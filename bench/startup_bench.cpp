// Start-up, as the author meets it: each run is a fresh process on the offscreen platform.
// The editor's run loads and shows the start-up window and lets its half second pass in the
// event loop, untimed, as the program does; then the work of the half second's tick is timed: the
// tables, the picture sheets, and building and showing the main window until it has painted itself.
// The baseline is a minimal Qt program that shows one window of the main window's size, timed from
// its first line until that window has painted itself. The files read are in the system's cache for
// both.
#include "editor/frmSplash.h"
#include "platform/core/ProgramPaths.h"
#include "platform/qt/GuardedApplication.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/SingleInstance.h"

#include "FirstPaint.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <stdexcept>
#include <string>

namespace {
// The elapsed wall-clock and process CPU time of one timed part.
class Stopwatch {
  public:
    Stopwatch() : wall_(std::chrono::steady_clock::now()), cpu_(CpuSeconds()) {}
    // Prints "wall cpu" in seconds, what the parent process reads.
    void Report() const {
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wall_;
        std::printf("%.9f %.9f\n", wall.count(), CpuSeconds() - cpu_);
    }

  private:
    static double CpuSeconds() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
    }
    std::chrono::steady_clock::time_point wall_;
    double cpu_;
};

int RunEditorStartup(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    InstallQtPlatform();
    SetProgramFolderForTesting(VARNO_APP_DIR);
    const std::string lock = QDir::tempPath().toStdString() + "/startup-bench-" +
                             std::to_string(QCoreApplication::applicationPid()) + ".lock";
    SetInstanceLockPathForTesting(lock.c_str());
    FirstPaint paint;
    frmSplash splash;
    if (!splash.Form_Load()) return 1;
    paint.Watch();
    splash.show();
    paint.Wait();
    // The half second passes in the event loop, as in the program; then its tick is timed.
    splash.Timer1.stop();
    QEventLoop halfSecond;
    QTimer::singleShot(500, Qt::PreciseTimer, &halfSecond, &QEventLoop::quit);
    halfSecond.exec();

    paint.Watch(&splash);
    const Stopwatch watch;
    splash.Timer1_Timer();
    paint.Wait();
    watch.Report();
    SetInstanceLockPathForTesting("");
    return 0;
}

int RunMinimalProgram(int argc, char** argv) {
    const Stopwatch watch;
    QApplication app(argc, argv);
    QWidget window;
    window.resize(693, 437);
    FirstPaint paint;
    paint.Watch();
    window.show();
    paint.Wait();
    watch.Report();
    return 0;
}

std::string& SelfPath() {
    static std::string path;
    return path;
}

// Runs this program again as the given part, and times it by what the part reports.
void TimeRuns(benchmark::State& state, const char* part) {
    const std::string command = "'" + SelfPath() + "' " + part;
    double cpuTotal = 0;
    for (auto _ : state) {
        FILE* child = popen(command.c_str(), "r");
        double wall = 0, cpu = 0;
        const bool read = child && std::fscanf(child, "%lf %lf", &wall, &cpu) == 2;
        if (child) pclose(child);
        if (!read) {
            state.SkipWithError("the timed run reported nothing");
            break;
        }
        state.SetIterationTime(wall);
        cpuTotal += cpu;
    }
    state.counters["cpu_ms"] =
        benchmark::Counter(cpuTotal * 1e3 / static_cast<double>(state.iterations()));
}

void BM_StartupAfterSplash(benchmark::State& state) {
    TimeRuns(state, "--run-editor-startup");
}
BENCHMARK(BM_StartupAfterSplash)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_MinimalProgramWindow(benchmark::State& state) {
    TimeRuns(state, "--run-minimal-program");
}
BENCHMARK(BM_MinimalProgramWindow)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notices would bury the results.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const std::string part = argc > 1 ? argv[1] : "";
    if (part == "--run-editor-startup") return RunEditorStartup(argc, argv);
    if (part == "--run-minimal-program") return RunMinimalProgram(argc, argv);
    SelfPath() = argv[0];
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
