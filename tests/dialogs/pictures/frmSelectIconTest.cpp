#include "dialogs/pictures/frmSelectIcon.h"
#include "support/DialogDriver.h"

#include "graphics/GraphicsSheets.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/SharedForms.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace {
class PicturePickerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedPics_ = frmPics;
        savedCustomLoaded_ = CustomPicsLoaded;
        frmPics.imgCustomPics = QImage();
        CustomPicsLoaded = 0;
    }
    void TearDown() override {
        SetModalFormHook({});
        UnloadAllForms();
        frmPics = savedPics_;
        CustomPicsLoaded = savedCustomLoaded_;
    }

    // Opens the shared picker as a caller does; the action plays the author.
    frmSelectIcon& Pick(std::int32_t set, std::int16_t select,
                        const std::function<void(frmSelectIcon&)>& action) {
        return OpenDialog<frmSelectIcon>(
            [&](frmSelectIcon& p) {
                p.PictureSet = set;
                p.PictureSelect = select;
            },
            action);
    }

    // Visible cells, the marked cell (-1 none; the option and the border must agree), arrows.
    static std::tuple<int, int, bool> Page(const frmSelectIcon& p) {
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
        return {shown, marked, arrows};
    }

  private:
    PictureHolders savedPics_;
    std::int16_t savedCustomLoaded_ = 0;
};

TEST_F(PicturePickerTest, OpensOnThePageOfTheCurrentPictureWithItMarked) {
    struct Row {
        int set, select, page, shown, marked;
        bool arrows;
    };
    const Row rows[] = {{3, -1, 0, 36, -1, true},
                        {3, 100, 2, 36, 28, true},
                        {1, 5, 0, 32, 5, false},
                        {4, 29, 0, 30, 29, false},
                        {7, -1, 0, 14, -1, false},
                        {6, 252, 7, 1, 0, true},
                        {2, 122, 3, 15, 14, true},
                        {5, 40, 1, 36, 4, true},
                        // Below -1 is no picture either.
                        {3, -5, 0, 36, -1, true}};
    for (const Row& r : rows)
        Pick(r.set, static_cast<std::int16_t>(r.select), [&r](frmSelectIcon& p) {
            EXPECT_EQ(std::tuple_cat(std::make_tuple(p.CurrentPage()), Page(p)),
                      std::make_tuple(r.page, r.shown, r.marked, r.arrows))
                << "kind " << r.set << " picture " << r.select;
            Click(p.cmdOK);
        });
}

TEST_F(PicturePickerTest, ArrowsWrapAndTheSelectionComesBackWithItsPage) {
    std::vector<std::tuple<int, int, int>> pages; // page, cells shown, marked
    frmSelectIcon& picker = Pick(6, -1, [&pages](frmSelectIcon& p) {
        // To the last page and round to page 0; picture 39 by its cell; back and forth;
        // picture 41 by its button.
        const std::vector<std::vector<QWidget*>> steps = {
            {p.cmdScrollLeft}, {p.cmdScrollRight}, {p.cmdScrollRight, p.picSelect[3]},
            {p.cmdScrollLeft}, {p.cmdScrollRight}, {p.optSelect[5]}};
        for (const auto& clicks : steps) {
            for (QWidget* w : clicks)
                Click(w);
            const auto [shown, marked, arrows] = Page(p);
            pages.emplace_back(p.CurrentPage(), shown, marked);
        }
        Click(p.cmdOK);
    });
    const std::vector<std::tuple<int, int, int>> expected = {{7, 1, -1},  {0, 36, -1}, {1, 36, 3},
                                                             {0, 36, -1}, {1, 36, 3},  {1, 36, 5}};
    EXPECT_EQ(pages, expected);
    EXPECT_EQ(std::make_pair(int{picker.PictureSelect}, picker.CancelFlag),
              std::make_pair(41, false));
}

// OK (or Enter) gives back the choice, none included; a click on the marked button keeps it
// marked. Cancel, Escape and the close box keep the caller's picture.
TEST_F(PicturePickerTest, OkGivesBackTheChoiceAndTheOtherWaysOutKeepTheCallersPicture) {
    struct Row {
        int set, select;
        std::function<void(frmSelectIcon&)> act;
        int given;
        bool cancelled;
    };
    const Row rows[] = {
        {3, -1, [](frmSelectIcon& p) { Click(p.cmdOK); }, -1, false},
        {2, 7,
         [](frmSelectIcon& p) {
             Click(p.optSelect[7]);
             QTest::keyClick(&p, Qt::Key_Return);
         },
         7, false},
        {3, 100, [](frmSelectIcon& p) { Click(p.cmdCancel); }, 100, true},
        {3, 100, [](frmSelectIcon& p) { QTest::keyClick(&p, Qt::Key_Escape); }, 100, true},
        {3, 100, [](frmSelectIcon& p) { p.close(); }, 100, true}};
    for (const Row& r : rows) {
        SharedForm<frmSelectIcon>().CancelFlag = !r.cancelled;
        frmSelectIcon& picker =
            Pick(r.set, static_cast<std::int16_t>(r.select), [&r](frmSelectIcon& p) {
                if (r.cancelled) Click(p.picSelect[5]); // a choice that is then dropped
                r.act(p);
            });
        EXPECT_EQ(std::make_pair(int{picker.PictureSelect}, picker.CancelFlag),
                  std::make_pair(r.given, r.cancelled))
            << r.set << " " << r.select;
    }
    // The next opening starts again from the caller's picture.
    Pick(3, 100, [](frmSelectIcon& p) {
        EXPECT_EQ(std::get<1>(Page(p)), 28);
        Click(p.cmdCancel);
    });
}

TEST_F(PicturePickerTest, CustomPicturesFollowTheSheetHeight) {
    frmPics.imgCustomPics = QImage(280, 108, QImage::Format_RGB32);
    frmPics.imgCustomPics.fill(qRgb(10, 20, 30));
    CustomPicsLoaded = -1;
    QRgb drawn = 0;
    frmSelectIcon& picker = Pick(0, -1, [&drawn](frmSelectIcon& p) {
        EXPECT_EQ(Page(p), std::make_tuple(30, -1, false));
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
            EXPECT_EQ(Page(p), rows ? std::make_tuple(4, 2, true) : std::make_tuple(0, -1, false));
            Click(p.cmdOK);
        });
    }
    EXPECT_EQ(picker.PictureSelect, 4);
}
} // namespace
