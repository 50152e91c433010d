#include "dialogs/pictures/frmSelectIcon.h"
#include "graphics/GraphicsSheets.h"
#include "platform/qt/PictureBox.h"
#include "support/DialogDriver.h"
#include "support/Ints.h"

#include <QtWidgets>

namespace {
class PicturePickerTest : public ::testing::Test {
  protected:
    void SetUp() override { frmPics.imgCustomPics = QImage(), CustomPicsLoaded = 0; }
    void TearDown() override {
        SetModalFormHook({});
        UnloadAllForms();
        frmPics = savedPics_, CustomPicsLoaded = savedCustomLoaded_;
    }

    // Opens the shared picker as a caller does; the action plays the author.
    frmSelectIcon& Pick(std::int32_t set, int select,
                        const std::function<void(frmSelectIcon&)>& action) {
        const auto setup = [&](frmSelectIcon& p) {
            p.PictureSet = set, p.PictureSelect = static_cast<std::int16_t>(select);
        };
        return OpenDialog<frmSelectIcon>(setup, action);
    }

    // The page, its visible cells, the marked cell (-1 none; the option and the border must
    // agree), and whether it shows arrows.
    static std::vector<int> Page(const frmSelectIcon& p) {
        int shown = 0;
        int marked = -1;
        for (int i = 0; i < frmSelectIcon::kCells; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const bool visible = p.picSelect[k]->isVisibleTo(&p);
            EXPECT_EQ(visible, p.optSelect[k]->isVisibleTo(&p)) << "slot " << i;
            if (visible) ++shown;
            EXPECT_EQ(p.optSelect[k]->isChecked(), p.picSelect[k]->HasBorder()) << "slot " << i;
            if (p.optSelect[k]->isChecked()) {
                EXPECT_EQ(marked, -1) << "two cells marked";
                marked = i;
            }
        }
        const bool arrows = p.cmdScrollLeft->isVisibleTo(&p);
        EXPECT_EQ(arrows, p.cmdScrollRight->isVisibleTo(&p));
        return Ints(p.CurrentPage(), shown, marked, arrows);
    }

  private:
    const PictureHolders savedPics_ = frmPics;
    const std::int16_t savedCustomLoaded_ = CustomPicsLoaded;
};

TEST_F(PicturePickerTest, OpensOnThePageOfTheCurrentPictureWithItMarked) {
    // Kind and picture (below -1 is no picture either), then the page as Page gives it.
    const int rows[][6] = {{3, -1, 0, 36, -1, 1},  {3, 100, 2, 36, 28, 1}, {1, 5, 0, 32, 5, 0},
                           {4, 29, 0, 30, 29, 0},  {7, -1, 0, 14, -1, 0},  {6, 252, 7, 1, 0, 1},
                           {2, 122, 3, 15, 14, 1}, {5, 40, 1, 36, 4, 1},   {3, -5, 0, 36, -1, 1}};
    for (const auto& r : rows)
        Pick(r[0], r[1], [&r](frmSelectIcon& p) {
            EXPECT_EQ(Page(p), Ints(r[2], r[3], r[4], r[5])) << "kind " << r[0] << " " << r[1];
            Click(p.cmdOK);
        });
}

TEST_F(PicturePickerTest, ArrowsWrapAndTheSelectionComesBackWithItsPage) {
    std::vector<int> pages;
    frmSelectIcon& picker = Pick(6, -1, [&pages](frmSelectIcon& p) {
        // To the last page and round to page 0; picture 39 by its cell; back and forth;
        // picture 41 by its button.
        const std::vector<std::vector<QWidget*>> steps = {
            {p.cmdScrollLeft}, {p.cmdScrollRight}, {p.cmdScrollRight, p.picSelect[3]},
            {p.cmdScrollLeft}, {p.cmdScrollRight}, {p.optSelect[5]}};
        for (const auto& clicks : steps) {
            for (QWidget* w : clicks)
                Click(w);
            const std::vector<int> page = Page(p);
            pages.insert(pages.end(), page.begin(), page.end());
        }
        Click(p.cmdOK);
    });
    // Each step's page as Page gives it.
    EXPECT_EQ(pages,
              Ints(7, 1, -1, 1, 0, 36, -1, 1, 1, 36, 3, 1, 0, 36, -1, 1, 1, 36, 3, 1, 1, 36, 5, 1));
    EXPECT_EQ(Ints(picker.PictureSelect, picker.CancelFlag), Ints(41, false));
}

// OK (or Enter) gives back the choice, none included; a click on the marked button keeps it
// marked. Cancel, Escape and the close box keep the caller's picture.
TEST_F(PicturePickerTest, OkGivesBackTheChoiceAndTheOtherWaysOutKeepTheCallersPicture) {
    // Kind, picture, way out (OK; Enter on 7 chosen; Cancel; Escape; close box), picture given.
    const int rows[][4] = {
        {3, -1, 0, -1}, {2, 7, 1, 7}, {3, 100, 2, 100}, {3, 100, 3, 100}, {3, 100, 4, 100}};
    for (const auto& r : rows) {
        const int way = r[2];
        SharedForm<frmSelectIcon>().CancelFlag = way < 2;
        frmSelectIcon& picker = Pick(r[0], r[1], [way](frmSelectIcon& p) {
            if (way == 1) Click(p.optSelect[7]);
            if (way >= 2) Click(p.picSelect[5]); // a choice that is then dropped
            if (way == 0) Click(p.cmdOK);
            if (way == 1) QTest::keyClick(&p, Qt::Key_Return);
            if (way == 2) Click(p.cmdCancel);
            if (way == 3) QTest::keyClick(&p, Qt::Key_Escape);
            if (way == 4) p.close();
        });
        EXPECT_EQ(Ints(picker.PictureSelect, picker.CancelFlag), Ints(r[3], way >= 2)) << way;
    }
    // The next opening starts again from the caller's picture.
    Pick(3, 100, [](frmSelectIcon& p) {
        EXPECT_EQ(Page(p)[2], 28);
        Click(p.cmdCancel);
    });
}

TEST_F(PicturePickerTest, CustomPicturesFollowTheSheetHeight) {
    frmPics.imgCustomPics = QImage(280, 108, QImage::Format_RGB32);
    frmPics.imgCustomPics.fill(qRgb(10, 20, 30));
    CustomPicsLoaded = -1;
    QRgb drawn = 0;
    frmSelectIcon& picker = Pick(0, -1, [&drawn](frmSelectIcon& p) {
        EXPECT_EQ(Page(p), Ints(0, 30, -1, false));
        drawn = p.picSelect[29]->picture->surface().Pixel(5, 5);
        Click(p.picSelect[29]);
        Click(p.cmdOK);
    });
    EXPECT_EQ(drawn, qRgb(10, 20, 30));
    EXPECT_EQ(picker.PictureSelect, 29);
    // Four rows make pictures 0..39: two pages. Without a sheet there is nothing to pick.
    for (int rows : {4, 0}) {
        frmPics.imgCustomPics = rows ? QImage(280, 36 * rows, QImage::Format_RGB32) : QImage();
        CustomPicsLoaded = rows ? -1 : 0;
        Pick(0, rows ? 38 : 4, [rows](frmSelectIcon& p) {
            EXPECT_EQ(Page(p), rows ? Ints(1, 4, 2, true) : Ints(0, 0, -1, false));
            Click(p.cmdOK);
        });
    }
    EXPECT_EQ(picker.PictureSelect, 4);
}
} // namespace
