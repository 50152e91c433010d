#include "platform/qt/HelpWindow.h"

#include "support/TempFolder.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

// That the file's text shows without an error box is proven through the main window's Help menu.
TEST(HelpWindow, StandsBesideTheWindowOrOverItsMiddleAndClosesWithEscapeOrClose) {
    TempFolder folder;
    PutFileText(folder.File("help.hlp"), "<h1>Help</h1><p>Open a scenario.</p>");
    QWidget editor;
    editor.setGeometry(40, 40, 300, 200);
    editor.show();

    for (const bool byButton : {false, true}) {
        ShowHelpFile(folder.File("help.hlp"), &editor);
        QPointer<QDialog> help;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowTitle() == "Varno Scenario Editor Help")
                help = qobject_cast<QDialog*>(w);
        ASSERT_NE(help, nullptr);
        auto* text = help->findChild<QTextBrowser*>();
        help->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(help));
        QPushButton* close = help->findChild<QPushButton*>();
        ASSERT_TRUE(close && close->text() == "Close");
        byButton ? QTest::mouseClick(close, Qt::LeftButton) : QTest::keyClick(text, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(help.isNull()) << (byButton ? "Close" : "Esc");
    }
    // It stands beside the window where the screen has room, else over its middle.
    const QRect fullHd(0, 0, 1920, 1040);
    const std::tuple<const char*, QRect, QRect, QRect> cases[] = {
        {"wide, editor centred", fullHd, {613, 280, 694, 480}, {1307, 280, 613, 560}},
        {"laptop, editor centred", {0, 0, 1366, 728}, {336, 124, 694, 480}, {1030, 124, 336, 560}},
        {"wide, editor at the right edge", fullHd, {1226, 0, 694, 480}, {586, 0, 640, 560}},
        {"second screen", {1920, 0, 1280, 1024}, {2000, 100, 694, 480}, {2694, 100, 506, 560}},
        // No room for a readable width on either side: centred over the editor, on the screen.
        {"small", {0, 0, 800, 600}, {53, 60, 694, 480}, {79, 19, 640, 560}},
        {"small, editor at the bottom", {0, 0, 800, 600}, {53, 400, 694, 480}, {79, 40, 640, 560}},
        {"tiny", {0, 0, 300, 200}, {0, 0, 694, 480}, {0, 0, 300, 200}},
        {"no window to go beside", fullHd, {0, 0, 0, 0}, {0, 0, 640, 560}},
    };
    for (const auto& [screen, available, beside, expected] : cases)
        EXPECT_EQ(HelpWindowPlace(available, beside), expected) << screen;
}
