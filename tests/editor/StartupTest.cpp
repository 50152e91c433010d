#include "editor/frmMain.h"
#include "editor/frmSplash.h"

#include "platform/core/ProgramPaths.h"
#include "platform/core/StagedFile.h"
#include "platform/qt/SharedForms.h"
#include "platform/qt/SingleInstance.h"
#include "support/MsgBoxRecorder.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QLockFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

// The single-instance lock is another's while its holder lives; then the start-up takes it and
// keeps it, asking again.
TEST(Startup, TheSequenceRunsOnceAndLeavesOnlyTheMainWindow) {
    SetProgramFolderForTesting(VARNO_APP_DIR);
    TempFolder dir;
    SetInstanceLockPathForTesting(dir.File("lock").c_str());
    {
        QLockFile other(QString::fromStdString(dir.File("lock")));
        ASSERT_TRUE(other.tryLock(0));
        EXPECT_TRUE(AnotherInstanceIsRunning());
    }
    // A staged file that a save cut short left beside the scenarios goes at start.
    const std::string leftover = std::string(VARNO_APP_DIR) + "/scenario/.0123abcd.Zz9Yy8";
    PutFileText(leftover, "staged");
    // So does one staged in the spare-copy folder; the spare copy stays.
    SetTempSaveFolderForTesting(dir.File("save"));
    ASSERT_EQ(::mkdir(dir.File("save").c_str(), 0700), 0);
    const std::string spareLeftover = dir.File("save/") + StagingNamePrefix("Test.vrs") + "Zz9Yy8";
    PutFileText(dir.File("save/Test.vrs"), "kept");
    PutFileText(spareLeftover, "staged");
    MsgBoxRecorder boxes;
    {
        frmSplash splash;
        ASSERT_TRUE(splash.Form_Load());
        EXPECT_FALSE(std::filesystem::exists(leftover));
        EXPECT_FALSE(std::filesystem::exists(spareLeftover));
        EXPECT_TRUE(std::filesystem::exists(dir.File("save/Test.vrs")));
        // The delay is half a second, kept to the millisecond.
        EXPECT_EQ(std::tuple(splash.Timer1.isActive(), splash.Timer1.interval(),
                             splash.Timer1.timerType()),
                  std::tuple(true, 500, Qt::PreciseTimer));
        splash.show();
        splash.Timer1_Timer();
        splash.Timer1_Timer(); // a late tick
        EXPECT_EQ(std::pair(splash.isVisible(), splash.Timer1.isActive()), std::pair(false, false));
    }
    EXPECT_FALSE(AnotherInstanceIsRunning()) << "the holder asks again: still itself";
    EXPECT_TRUE(boxes.Calls().empty());
    ASSERT_TRUE(IsFormLoaded<frmMain>());
    frmMain& main = SharedForm<frmMain>();
    // Shown, its one-time set-up done.
    EXPECT_EQ(std::tuple(main.isVisible(), main.FirstTime, int(main.CurrentTool)),
              std::tuple(true, false, 0));
    EXPECT_EQ(
        std::ranges::count_if(QApplication::topLevelWidgets(),
                              [](QWidget* w) { return dynamic_cast<frmMain*>(w) != nullptr; }),
        1);
    UnloadAllForms();
    EXPECT_FALSE(IsFormLoaded<frmMain>());
    SetInstanceLockPathForTesting(""); // lets go of the lock while its folder is still there
}

TEST(Startup, ASecondCopyEndsAtOnceAndAKilledCopyLeavesNoLockBehind) {
    TempFolder runtime;
    ::chmod(runtime.Path().c_str(), 0700);
    // Starts the editor program with its runtime folder there.
    const auto start = [](QProcess& copy, const std::string& runtimeFolder) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtimeFolder));
        copy.setProcessEnvironment(env);
        copy.start(VARNO_EDITOR_EXE, {});
    };
    QProcess first;
    start(first, runtime.Path());
    ASSERT_TRUE(first.waitForStarted());
    // The first copy holds its lock once its start-up window has loaded; on a busy machine
    // that can take a while.
    const std::string lock = runtime.File("varno-editor-" + std::to_string(::getuid()) + ".lock");
    for (int waited = 0; waited < 300 && !std::filesystem::exists(lock); ++waited)
        first.waitForFinished(100);
    ASSERT_TRUE(std::filesystem::exists(lock));
    EXPECT_EQ(first.state(), QProcess::Running) << "the first copy must keep running";

    QProcess second;
    start(second, runtime.Path());
    ASSERT_TRUE(second.waitForFinished(30000)) << "the second copy must end by itself";
    EXPECT_EQ(second.exitCode(), 0);

    first.kill();
    first.waitForFinished();
    QProcess third;
    start(third, runtime.Path());
    ASSERT_TRUE(third.waitForStarted());
    EXPECT_FALSE(third.waitForFinished(2000)) << "a killed copy must not block the next one";
    third.kill();
    third.waitForFinished();
}
