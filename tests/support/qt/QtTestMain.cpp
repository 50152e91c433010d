#include "platform/qt/GuardedApplication.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/SharedForms.h"
#include "platform/qt/SingleInstance.h"
#include "support/GlobalStateGuard.h"

// The guard of the test programs that open windows: besides what GlobalStateGuard puts back,
// a test that leaves the modal-window hook installed or a window loaded fails (the guard then
// removes them), and the single-instance lock goes back to its own path.
class QtStateGuard : public GlobalStateGuard {
  protected:
    void CheckWindows() override {
        if (SetModalFormHook({})) ADD_FAILURE() << "the test left a modal window hook installed";
        if (const std::size_t loaded = LoadedFormCount(); loaded > 0) {
            ADD_FAILURE() << "the test left " << loaded << " window(s) loaded";
            UnloadAllForms();
        }
        SetInstanceLockPathForTesting("");
    }
};

// The main of the test programs that open windows.
int main(int argc, char** argv) {
    // Tests never need a display; they answer every window through the test hooks.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own application object, so that tests see its event dispatch.
    GuardedApplication app(argc, argv);
    InstallQtPlatform();
    ::testing::InitGoogleTest(&argc, argv);
    // Appended after the result printer, so that its failures are printed with the test.
    ::testing::UnitTest::GetInstance()->listeners().Append(new QtStateGuard);
    return RUN_ALL_TESTS();
}
