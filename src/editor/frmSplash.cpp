#include "editor/frmSplash.h"

#include "editor/frmMain.h"
#include "graphics/GraphicsSheets.h"
#include "platform/core/ErrorBox.h"
#include "platform/core/ProgramPaths.h"
#include "platform/core/Random.h"
#include "platform/core/StagedFile.h"
#include "platform/qt/EventPass.h"
#include "platform/qt/SharedForms.h"
#include "platform/qt/SingleInstance.h"
#include "platform/qt/Surface.h"
#include "scenario/ScenarioLoad.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QPainter>
#include <QScreen>

frmSplash::frmSplash() {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(693, 480);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // Half a second exactly: Qt's default coarse timers may fire up to 5% early or late.
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

bool frmSplash::Form_Load() {
    RandomizeFromClock();
    if (AnotherInstanceIsRunning()) {
        close();
        return false;
    }
    QDir::setCurrent(QString::fromStdString(ProgramFolder()));
    // A save cut short (the program ended mid-save) leaves staged files beside the scenarios;
    // with no other copy running, none of them belongs to a save in progress.
    RemoveStagingLeftovers(ProgramFolder() + "/scenario");
    // So does one cut short while the spare copy of the scenario took its place; that copy can
    // be as large as the scenario file, and nothing else would ever remove it.
    for (const std::string& folder : ExistingTempSaveFolders())
        RemoveStagingLeftovers(folder);
    try {
        picture_ = LoadBitmapFile(ProgramPath("\\Images\\edstart.bmp"));
    } catch (const RuntimeError&) {
        // Without its picture the window is plain; start-up goes on.
    }
    Timer1.start();
    // The main window is the first window with text: the first text makes Qt read the whole
    // system font configuration, which would otherwise delay the main window. That reading
    // does not need this window, so it runs beside it during the half second; Qt's font
    // database waits for it if it is asked before it is done.
    fontSetUp_ = std::thread([] { QFontDatabase::families(); });
    return true;
}

frmSplash::~frmSplash() {
    if (fontSetUp_.joinable()) fontSetUp_.join();
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull())
        painter.drawImage(0, 0, picture_);
    else
        painter.fillRect(rect(), Qt::darkGray);
}

void frmSplash::Timer1_Timer() {
    // The pass over pending events below may deliver another tick; the sequence runs once.
    if (sequenceStarted_) return;
    sequenceStarted_ = true;
    Timer1.stop();

    InitCommonTables();
    InitScenEditorTables();
    // Without its pictures the editor cannot work: say why and end.
    if (!RunTrapped("LoadGraphics", [] { LoadGraphics(); })) {
        close();
        QCoreApplication::exit(1);
        return;
    }
    SetCustomSheetLoader([](const std::string& path) { LoadCustomPics(path); });

    frmMain& main = SharedForm<frmMain>();
    main.FirstTime = true;
    DoEvents();
    main.show();
    close();
}
