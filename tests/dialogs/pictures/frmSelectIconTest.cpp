#include "dialogs/pictures/frmSelectIcon.h"
#include "graphics/GraphicsSheets.h"
#include "platform/qt/PictureBox.h"
#include "support/ScriptPlayer.h"

namespace {
class PicturePickerTest : public ::testing::Test {
  protected:
    void TearDown() override {
        UnloadAllForms();
        frmPics = savedPics_, CustomPicsLoaded = savedCustomLoaded_;
    }

    // The page, its visible cells, the marked cell (-1 none) and whether it shows arrows, then
    // "sheet" when a first cell shows the custom sheet's colour; "mismatch" when a cell's
    // option and picture disagree on being shown or marked, a second cell is marked or only one
    // arrow shows.
    static QString Page(const frmSelectIcon& p) {
        int shown = 0, marked = -1;
        for (std::size_t k = 0; k < frmSelectIcon::kCells; ++k) {
            const bool visible = p.picSelect[k]->isVisibleTo(&p);
            const bool checked = p.optSelect[k]->isChecked();
            if (visible != p.optSelect[k]->isVisibleTo(&p) ||
                checked != p.picSelect[k]->HasBorder() || (checked && marked >= 0))
                return "mismatch";
            shown += visible;
            marked = checked ? static_cast<int>(k) : marked;
        }
        const bool arrows = p.cmdScrollLeft->isVisibleTo(&p);
        if (arrows != p.cmdScrollRight->isVisibleTo(&p)) return "mismatch";
        const bool sheet =
            shown && p.picSelect[0]->picture->surface().Pixel(5, 5) == qRgb(10, 20, 30);
        return QString("%1 %2 %3 %4").arg(p.CurrentPage()).arg(shown).arg(marked).arg(arrows) +
               (sheet ? " sheet" : "");
    }

    // Opens the shared picker as a caller does, with a custom sheet of the rows given (0: none,
    // unloaded) filled with one colour, and plays the script on it ("picker" is the window,
    // c0..c35 its cells and o0..o35 their buttons; "?" notes the page). Gives the notes, then
    // the picture handed back and whether the picker was cancelled.
    static QString Pick(std::int32_t set, int select, const QString& script, int rows = 0) {
        frmPics.imgCustomPics = rows ? QImage(280, 36 * rows, QImage::Format_RGB32) : QImage();
        frmPics.imgCustomPics.fill(qRgb(10, 20, 30));
        CustomPicsLoaded = rows ? -1 : 0;
        const auto setup = [&](frmSelectIcon& p) {
            p.PictureSet = set, p.PictureSelect = static_cast<std::int16_t>(select);
        };
        QString seen;
        const auto play = [&](frmSelectIcon& p) {
            Controls c{{"<", p.cmdScrollLeft}, {">", p.cmdScrollRight}, {"ok", p.cmdOK}};
            c.insert({{"cancel", p.cmdCancel}, {"picker", &p}});
            Name(c, "c", p.picSelect);
            Name(c, "o", p.optSelect);
            seen = Play(
                c, [&p] { return Page(p); }, script);
            if (script.isEmpty()) p.close(); // the close box
        };
        const frmSelectIcon& picker = OpenDialog<frmSelectIcon>(setup, play);
        return seen +
               QString(" -> %1%2").arg(picker.PictureSelect).arg(picker.CancelFlag ? "!" : "");
    }

  private:
    const PictureHolders savedPics_ = frmPics;
    const std::int16_t savedCustomLoaded_ = CustomPicsLoaded;
};

// Custom pictures follow the sheet height (three rows make pictures 0..29, four 0..39); without
// a sheet there is nothing to pick, and OK gives back the caller's picture.
TEST_F(PicturePickerTest, OpensOnThePageOfTheCurrentPictureWithItMarkedAndOkGivesItBack) {
    // Kind, picture (below -1 is no picture either), custom sheet rows, then the page and the
    // picture OK gives back.
    const std::tuple<int, int, int, const char*> rows[] = {
        {3, -1, 0, "0 36 -1 1 -> -1"},     {3, 100, 0, "2 36 28 1 -> 100"},
        {1, 5, 0, "0 32 5 0 -> 5"},        {4, 29, 0, "0 30 29 0 -> 29"},
        {7, -1, 0, "0 14 -1 0 -> -1"},     {6, 252, 0, "7 1 0 1 -> 252"},
        {2, 122, 0, "3 15 14 1 -> 122"},   {5, 40, 0, "1 36 4 1 -> 40"},
        {3, -5, 0, "0 36 -1 1 -> -5"},     {0, 29, 3, "0 30 29 0 sheet -> 29"},
        {0, 38, 4, "1 4 2 1 sheet -> 38"}, {0, 4, 0, "0 0 -1 0 -> 4"}};
    for (const auto& [kind, picture, sheetRows, page] : rows)
        EXPECT_EQ(Pick(kind, picture, "? ok", sheetRows), page) << kind << " " << picture;
}

// To the last page and round to page 0; picture 39 by its cell; back and forth; picture 41 by
// its button.
TEST_F(PicturePickerTest, ArrowsWrapAndTheSelectionComesBackWithItsPage) {
    EXPECT_EQ(Pick(6, -1, "< ? > ? > c3 ? < ? > ? o5 ? ok"),
              "7 1 -1 1|0 36 -1 1|1 36 3 1|0 36 -1 1|1 36 3 1|1 36 5 1 -> 41");
}

// Enter gives back the choice; a click on the marked button keeps it marked. Cancel, Escape and
// the close box (no script) keep the caller's picture, and the next opening starts from it.
TEST_F(PicturePickerTest, EnterGivesBackTheChoiceAndTheOtherWaysOutKeepTheCallersPicture) {
    const std::pair<const char*, const char*> ways[] = {{"c5 o7 o7 picker!Return", " -> 79"},
                                                        {"c5 cancel", " -> 100!"},
                                                        {"c5 picker!Esc", " -> 100!"},
                                                        {"", " -> 100!"},
                                                        {"? cancel", "2 36 28 1 -> 100!"}};
    for (const auto& [script, given] : ways) {
        SharedForm<frmSelectIcon>().CancelFlag = !QString(given).endsWith('!'); // the opposite
        EXPECT_EQ(Pick(3, 100, script), given) << script;
    }
}
} // namespace
