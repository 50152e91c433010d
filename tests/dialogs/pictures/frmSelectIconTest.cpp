#include "dialogs/pictures/frmSelectIcon.h"
#include "graphics/GraphicsSheets.h"
#include "platform/qt/PictureBox.h"
#include "support/Ints.h"
#include "support/ScriptPlayer.h"

namespace {
class PicturePickerTest : public ::testing::Test {
  protected:
    void TearDown() override {
        UnloadAllForms();
        frmPics = savedPics_, CustomPicsLoaded = savedCustomLoaded_;
    }

    // Opens the shared picker as a caller does, with a custom sheet of the rows given (0: none,
    // unloaded), filled with one colour; the action plays the author.
    static frmSelectIcon& Pick(std::int32_t set, int select,
                               const std::function<void(frmSelectIcon&)>& action, int rows = 0) {
        frmPics.imgCustomPics = rows ? QImage(280, 36 * rows, QImage::Format_RGB32) : QImage();
        frmPics.imgCustomPics.fill(qRgb(10, 20, 30));
        CustomPicsLoaded = rows ? -1 : 0;
        const auto setup = [&](frmSelectIcon& p) {
            p.PictureSet = set, p.PictureSelect = static_cast<std::int16_t>(select);
        };
        return OpenDialog<frmSelectIcon>(setup, action);
    }

    // The page, its visible cells, the marked cell (-1 none) and whether it shows arrows; -9 in
    // place of the page when a cell's option and picture disagree on being shown or marked, or
    // a second cell is marked, and in place of the arrows when only one shows.
    static std::vector<int> Page(const frmSelectIcon& p) {
        int shown = 0, marked = -1;
        for (std::size_t k = 0; k < frmSelectIcon::kCells; ++k) {
            const bool visible = p.picSelect[k]->isVisibleTo(&p);
            const bool checked = p.optSelect[k]->isChecked();
            if (visible != p.optSelect[k]->isVisibleTo(&p) ||
                checked != p.picSelect[k]->HasBorder() || (checked && marked >= 0))
                return {-9};
            shown += visible;
            marked = checked ? static_cast<int>(k) : marked;
        }
        const bool arrows = p.cmdScrollLeft->isVisibleTo(&p);
        return Ints(p.CurrentPage(), shown, marked,
                    arrows == p.cmdScrollRight->isVisibleTo(&p) ? arrows : -9);
    }

    // Plays the script on the picker: c0..c35 are its cells, o0..o35 their buttons; "?" notes
    // the page as Page gives it.
    static QString Play(frmSelectIcon& p, const QString& script) {
        Controls c{{"<", p.cmdScrollLeft}, {">", p.cmdScrollRight}, {"ok", p.cmdOK}};
        Name(c, "c", p.picSelect);
        Name(c, "o", p.optSelect);
        const auto page = [&p] {
            QStringList numbers;
            for (const int n : Page(p))
                numbers << QString::number(n);
            return numbers.join(' ');
        };
        return ::Play(c, page, script);
    }

  private:
    const PictureHolders savedPics_ = frmPics;
    const std::int16_t savedCustomLoaded_ = CustomPicsLoaded;
};

// Custom pictures follow the sheet height (three rows make pictures 0..29, four 0..39); without
// a sheet there is nothing to pick, and OK gives back the caller's picture.
TEST_F(PicturePickerTest, OpensOnThePageOfTheCurrentPictureWithItMarkedAndOkGivesItBack) {
    // Kind, picture (below -1 is no picture either), custom sheet rows, then the page as Page
    // gives it and the picture OK gives back.
    const int rows[][8] = {{3, -1, 0, 0, 36, -1, 1, -1},   {3, 100, 0, 2, 36, 28, 1, 100},
                           {1, 5, 0, 0, 32, 5, 0, 5},      {4, 29, 0, 0, 30, 29, 0, 29},
                           {7, -1, 0, 0, 14, -1, 0, -1},   {6, 252, 0, 7, 1, 0, 1, 252},
                           {2, 122, 0, 3, 15, 14, 1, 122}, {5, 40, 0, 1, 36, 4, 1, 40},
                           {3, -5, 0, 0, 36, -1, 1, -5},   {0, 29, 3, 0, 30, 29, 0, 29},
                           {0, 38, 4, 1, 4, 2, 1, 38},     {0, 4, 0, 0, 0, -1, 0, 4}};
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "kind " << r[0] << " " << r[1]);
        QRgb drawn = 0;
        frmSelectIcon& picker = Pick(
            r[0], r[1],
            [&r, &drawn](frmSelectIcon& p) {
                EXPECT_EQ(Page(p), Ints(r[3], r[4], r[5], r[6]));
                drawn = p.picSelect[0]->picture->surface().Pixel(5, 5);
                Click(p.cmdOK);
            },
            r[2]);
        EXPECT_EQ(Ints(picker.PictureSelect, picker.CancelFlag), Ints(r[7], false));
        EXPECT_TRUE(r[2] != 3 || drawn == qRgb(10, 20, 30)); // the sheet is drawn
    }
}

// To the last page and round to page 0; picture 39 by its cell; back and forth; picture 41 by
// its button.
TEST_F(PicturePickerTest, ArrowsWrapAndTheSelectionComesBackWithItsPage) {
    QString seen;
    frmSelectIcon& picker = Pick(
        6, -1, [&seen](frmSelectIcon& p) { seen = Play(p, "< ? > ? > c3 ? < ? > ? o5 ? ok"); });
    EXPECT_EQ(seen, "7 1 -1 1|0 36 -1 1|1 36 3 1|0 36 -1 1|1 36 3 1|1 36 5 1");
    EXPECT_EQ(Ints(picker.PictureSelect, picker.CancelFlag), Ints(41, false));
}

// Enter gives back the choice; a click on the marked button keeps it marked. Cancel, Escape and
// the close box keep the caller's picture, and the next opening starts again from it.
TEST_F(PicturePickerTest, EnterGivesBackTheChoiceAndTheOtherWaysOutKeepTheCallersPicture) {
    for (const int way : {1, 2, 3, 4}) { // Enter on 7 chosen; Cancel; Escape; close box
        SharedForm<frmSelectIcon>().CancelFlag = way < 2;
        frmSelectIcon& picker = Pick(3, 100, [way](frmSelectIcon& p) {
            Click(p.picSelect[5]); // a choice that is dropped, unless Enter takes 7
            if (way == 1) {
                Click(p.optSelect[7]);
                Click(p.optSelect[7]); // a click on the marked button keeps it marked
                QTest::keyClick(&p, Qt::Key_Return);
            }
            if (way == 2) Click(p.cmdCancel);
            if (way == 3) QTest::keyClick(&p, Qt::Key_Escape);
            if (way == 4) p.close();
        });
        EXPECT_EQ(Ints(picker.PictureSelect, picker.CancelFlag),
                  Ints(way == 1 ? 79 : 100, way >= 2))
            << way;
    }
    Pick(3, 100, [](frmSelectIcon& p) {
        EXPECT_EQ(Page(p)[2], 28);
        Click(p.cmdCancel);
    });
}
} // namespace
