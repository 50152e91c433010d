// What the author sees of a dialog's pictures: every picture box puts on the screen what the
// dialog drew on its surface, and that is a picture, not an empty square; a dialog picture box
// shows the dialog picture at its own size.
#include "forms/DialogParts.h"
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
#include <algorithm>
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

// The dialog picture as the author must see it in a box of `side` pixels: picture 816, the
// sheet's cell at (0, 144), copied from the box's top-left corner, so that a smaller box shows
// the picture's top-left corner.
QImage DialogPicture(int side) {
    static const QImage sheet = QImage(QString(VARNO_APP_DIR) + "/Images/dlogpics.bmp")
                                    .convertToFormat(QImage::Format_RGB32);
    return sheet.copy(0, 144, 36, 36).copy(0, 0, side, side);
}

// Names each shown dialog picture box that does not show the dialog picture at `side` pixels.
std::string WrongDialogPictures(const QWidget& window, int side, const std::string& when) {
    std::string faults;
    for (PictureBox* box : ShownBoxes(window))
        if (dynamic_cast<DialogPictureBox*>(box) && OnScreen(*box) != DialogPicture(side))
            faults += " " + Where(*box) + " does not show the dialog picture at " +
                      std::to_string(side) + " pixels " + when + ";";
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

// What the checks met besides faults.
struct Tally {
    int pagesTurned = 0;
    // The dialogs that show no dialog picture box.
    std::string withoutDialogPicture;
};

// Checks the window as the author meets it, after the picker turns a page, after the window is
// hidden and shown again, and after its pictures are drawn over. Its dialog picture boxes are
// `side` pixels square.
std::string UnshownPicturesOf(QWidget& window, int side, const char* name, Tally& tally) {
    if (!QTest::qWaitForWindowExposed(&window)) return " never shown;";
    const std::vector<PictureBox*> shown = ShownBoxes(window);
    if (std::none_of(shown.begin(), shown.end(),
                     [](PictureBox* box) { return dynamic_cast<DialogPictureBox*>(box); }))
        tally.withoutDialogPicture += std::string(name) + " ";
    const auto check = [&window, side](const std::string& when) {
        return UnshownPictures(window, when) + WrongDialogPictures(window, side, when);
    };
    std::string faults = check("when opened");
    auto* picker = dynamic_cast<frmSelectIcon*>(&window);
    if (picker && picker->cmdScrollRight->isVisible()) {
        Click(picker->cmdScrollRight);
        if (picker->CurrentPage() != 1) faults += " the page did not turn;";
        ++tally.pagesTurned;
        faults += check("on the next page");
    }
    window.hide();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return faults + " never shown again;";
    faults += check("when shown again");
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
    ASSERT_FALSE(DialogPicture(36).isNull()) << "the dialog picture sheet did not load";
    Tally tally;
    for (const DialogOpening& dialog : openings) {
        SetModalFormHook([](ModalForm&) {});
        dialog.prepare();
        // The two dialogs whose picture place is 32 pixels square.
        const std::string name = dialog.name;
        const int side = name == "frmFileNew" || name == "frmMonstPicSize" ? 32 : 36;
        std::optional<std::string> found;
        SetModalFormHook([&](ModalForm& form) {
            ShowActive(form);
            found = UnshownPicturesOf(form, side, dialog.name, tally);
        });
        dialog.open();
        // The window shown without the modal hook.
        for (QWidget* window : QApplication::topLevelWidgets())
            if (!found && window->isVisible())
                found = UnshownPicturesOf(*window, side, dialog.name, tally);
        if (found != "")
            faults += std::string(dialog.name) + ":" + found.value_or(" not opened;") + "\n";
        SetModalFormHook({});
        UnloadAllForms();
    }
    EXPECT_EQ(faults, "");
    EXPECT_EQ(tally.pagesTurned, 1);
    // These show a record's own picture where others show the dialog picture, or none at all.
    EXPECT_EQ(tally.withoutDialogPicture,
              "frmTownItem frmTownMonster frmEditSign frmEditItem frmEditItemAbility "
              "frmEditMonster frmEditMonstAbility frmEditTerrain frmScenIntroText ");
}
