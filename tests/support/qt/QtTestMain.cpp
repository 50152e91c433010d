#include "platform/qt/GuardedApplication.h"
#include "platform/qt/QtPlatform.h"
#include "support/qt/QtStateGuard.h"

#include <gtest/gtest.h>

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
