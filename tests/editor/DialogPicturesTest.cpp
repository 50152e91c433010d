// What the author sees of a dialog's pictures: every picture box puts on the screen what the
// dialog drew on its surface, and that is a picture, not an empty square.
#include "graphics/GraphicsSheets.h"
#include "graphics/core/PicturePages.h"
#include "map/MapState.h"
#include "platform/core/ProgramPaths.h"
#include "platform/qt/PictureBox.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"
#include "support/qt/EveryDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {
// The pixels of the box as its window last put them on the screen. QWidget::grab() would paint
// the box afresh, so it could not see a box that was never asked to repaint.
QImage OnScreen(const PictureBox& box) {
    QWidget* window = box.window();
    const QPoint at = box.mapTo(window, QPoint(0, 0));
    return window->screen()
        ->grabWindow(window->winId(), at.x(), at.y(), box.width(), box.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage Drawn(const PictureBox& box) {
    return box.surface().Image().convertToFormat(QImage::Format_RGB32);
}

bool OneColour(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0)) return false;
    return true;
}

std::vector<PictureBox*> ShownBoxes(const QWidget& window) {
    std::vector<PictureBox*> boxes;
    for (PictureBox* box : window.findChildren<PictureBox*>())
        if (box->isVisible()) boxes.push_back(box);
    return boxes;
}

std::string Where(const PictureBox& box) {
    const QPoint at = box.mapTo(box.window(), QPoint(0, 0));
    return "the box at " + std::to_string(at.x()) + "," + std::to_string(at.y());
}

// Gives the window's pending paints time to land, then names each shown box whose screen
// pixels are not its surface's, or whose surface is a single colour.
std::string UnshownPictures(const QWidget& window, const std::string& when) {
    const std::vector<PictureBox*> boxes = ShownBoxes(window);
    if (boxes.empty()) return " no picture " + when + ";";
    const auto allShown = [&boxes] {
        for (const PictureBox* box : boxes)
            if (OnScreen(*box) != Drawn(*box)) return false;
        return true;
    };
    QCoreApplication::processEvents();
    // A box still not shown then is named below.
    static_cast<void>(QTest::qWaitFor(allShown, 500));
    std::string faults;
    for (const PictureBox* box : boxes) {
        if (OnScreen(*box) != Drawn(*box))
            faults += " " + Where(*box) + " does not show its drawing " + when + ";";
        else if (OneColour(Drawn(*box)))
            faults += " " + Where(*box) + " is one colour " + when + ";";
    }
    return faults;
}

// Turns every pixel of each shown box's surface into another: the screen must follow.
void DrawOverEveryPicture(const QWidget& window) {
    for (PictureBox* box : ShownBoxes(window)) {
        box->surface().Pixels().invertPixels();
        box->surface().NotifyChanged();
    }
}

// The records that the dialogs open show pictures the sheets hold; most of the sample's random
// numbers name none, and an empty square would then be right.
void GivePicturesToOpenedRecords(Scenario& s) {
    for (std::size_t i = 0; i < s.ItemTypes.size(); ++i)
        s.ItemTypes[i].Picture = static_cast<std::int16_t>(1 + i % 100);
    for (std::size_t i = 0; i < s.MonsterTypes.size(); ++i) {
        s.MonsterTypes[i].Picture = static_cast<std::int16_t>(1 + i % 150);
        s.MonsterTypes[i].TalkPicture = static_cast<std::int16_t>(1 + i % 80);
    }
    for (std::size_t i = 0; i < s.TerrainTypes.size(); ++i)
        s.TerrainTypes[i].Picture = static_cast<std::int16_t>(1 + i % 200);
    s.ScenIcon = 1;
    s.Towns[0].PresetItems[0].Item = 1;
    s.Towns[0].Creatures[0].Portrait = 1;
}

// Checks the window as the author meets it, after the picker turns a page (counted in
// pagesTurned), after the window is hidden and shown again, and after its pictures are drawn
// over.
std::string UnshownPicturesOf(QWidget& window, int& pagesTurned) {
    if (!QTest::qWaitForWindowExposed(&window)) return " never shown;";
    std::string faults = UnshownPictures(window, "when opened");
    auto* picker = dynamic_cast<frmSelectIcon*>(&window);
    if (picker && picker->cmdScrollRight->isVisible()) {
        Click(picker->cmdScrollRight);
        if (picker->CurrentPage() != 1) faults += " the page did not turn;";
        ++pagesTurned;
        faults += UnshownPictures(window, "on the next page");
    }
    window.hide();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return faults + " never shown again;";
    faults += UnshownPictures(window, "when shown again");
    DrawOverEveryPicture(window);
    faults += UnshownPictures(window, "after a drawing over it");
    return faults;
}
} // namespace

TEST(DialogPictures, EveryPictureBoxShowsWhatItsDialogDrew) {
    SetProgramFolderForTesting(VARNO_APP_DIR);
    InitCommonTables();
    InitScenEditorTables();
    // Without the sheets every picture is blank, and a box that shows nothing would pass.
    LoadGraphics();
    Scen = MakeVariedScenario(2, 2, 3, 31);
    GivePicturesToOpenedRecords(Scen);
    Scen.CurrentTown = 0;
    Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 0;
    Map.EditMode = kEditLargeTown;
    MsgBoxRecorder boxes; // the sample's random values are refused on the way
    std::string faults;
    std::vector<DialogOpening> openings = EveryDialog();
    // The picker on a kind with more than one page, so that it turns one.
    openings.push_back({"frmSelectIcon on items", every_dialog::Modal<frmSelectIcon>([](auto& f) {
                            f.PictureSet = kPickItem;
                            f.PictureSelect = 0;
                        })});
    int pagesTurned = 0;
    for (const DialogOpening& dialog : openings) {
        SetModalFormHook([](ModalForm&) {});
        dialog.prepare();
        std::optional<std::string> found;
        SetModalFormHook([&](ModalForm& form) {
            ShowActive(form);
            found = UnshownPicturesOf(form, pagesTurned);
        });
        dialog.open();
        // The window shown without the modal hook.
        for (QWidget* window : QApplication::topLevelWidgets())
            if (!found && window->isVisible()) found = UnshownPicturesOf(*window, pagesTurned);
        if (found != "")
            faults += std::string(dialog.name) + ":" + found.value_or(" not opened;") + "\n";
        SetModalFormHook({});
        UnloadAllForms();
    }
    EXPECT_EQ(faults, "");
    EXPECT_EQ(pagesTurned, 1);
}
