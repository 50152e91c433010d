#include "support/GlobalStateGuard.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Tests never need a display; they answer every window through the test hooks.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // Appended after the result printer, so that its failures are printed with the test.
    ::testing::UnitTest::GetInstance()->listeners().Append(new GlobalStateGuard);
    return RUN_ALL_TESTS();
}
