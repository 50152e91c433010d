// A window left alone costs nothing: once it has painted itself, it waits for the author.
#include "graphics/GraphicsSheets.h"
#include "map/MapState.h"
#include "platform/core/ProgramPaths.h"
#include "platform/qt/PictureBox.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/MainWindowFixture.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"
#include "support/qt/EveryDialog.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// Counts the paint events that reach the widgets of one window.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(const QWidget& window) : window_(window) {
        qApp->installEventFilter(this);
    }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_)
            ++count;
        return false;
    }

  private:
    const QWidget& window_;
};

// The paint events the window receives once it has settled, while nothing happens.
int PaintsWhileIdle(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return -1;
    QTest::qWait(50);
    PaintCounter paints(window);
    QTest::qWait(150);
    return paints.count;
}
} // namespace

// Drawing a picture while the window paints must not ask for another paint, which would
// repaint the window without end while it stands open.
TEST(IdleDialog, ADialogLeftAloneIsNotPaintedAgain) {
    SetProgramFolderForTesting(VARNO_APP_DIR);
    InitCommonTables();
    InitScenEditorTables();
    // Without the sheets a picture draws nothing, and a drawing that repaints would not show.
    LoadGraphics();
    Scen = MakeVariedScenario(2, 2, 3, 31);
    Scen.CurrentTown = 0;
    Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 0;
    Map.EditMode = kEditLargeTown;
    // A blinking text cursor is a paint that the author asked for by giving the box the focus.
    const int flashTime = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);
    MsgBoxRecorder boxes; // the sample's random values are refused on the way
    std::string repainted;
    for (const DialogOpening& dialog : EveryDialog()) {
        SetModalFormHook([](ModalForm&) {});
        dialog.prepare();
        int paints = -1;
        SetModalFormHook([&paints](ModalForm& form) { paints = PaintsWhileIdle(form); });
        dialog.open();
        if (paints < 0) {
            // The window shown without the modal hook is the one active now.
            QWidget* shown = QApplication::activeWindow();
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->isVisible() && !shown) shown = window;
            if (shown) paints = PaintsWhileIdle(*shown);
        }
        if (paints != 0)
            repainted += std::string(dialog.name) + ": " + std::to_string(paints) + "; ";
        SetModalFormHook({});
        UnloadAllForms();
    }
    QApplication::setCursorFlashTime(flashTime);
    EXPECT_EQ(repainted, "");
}

// The same for the main window, its map, palette and tools shown on a town.
class IdleMainWindow : public MainWindowFixture {};

TEST_F(IdleMainWindow, TheMapEditorLeftAloneIsNotPaintedAgain) {
    SetProgramFolderForTesting(VARNO_APP_DIR);
    LoadGraphics();
    Scenario s = MakeVariedScenario(2, 2, 3, 31);
    s.CurrentTown = 0;
    StartWith(s);
    window->mnuTownEdit->trigger();
    ASSERT_TRUE(window->picMap->isVisible());
    ASSERT_TRUE(window->picTerrain->isVisible());
    EXPECT_EQ(PaintsWhileIdle(*window), 0);
}
