#include "graphics/core/PicturePages.h"

#include <gtest/gtest.h>

namespace {
TEST(PicturePagesTest, EachKindHasItsRangeCellSizeAndPages) {
    struct Row {
        int set, max, width, height, lastPage;
    };
    const Row rows[] = {{1, 31, 36, 36, 0}, {2, 122, 28, 36, 3}, {3, 172, 28, 36, 4},
                        {4, 29, 32, 32, 0}, {5, 83, 36, 36, 2},  {6, 252, 28, 36, 7},
                        {7, 13, 28, 36, 0}, {8, 0, 0, 0, 0},     {-1, 0, 0, 0, 0}};
    for (const Row& r : rows) {
        const PictureKindInfo k = PictureKindOf(r.set, 360);
        EXPECT_EQ(std::make_tuple(k.MaxPicture, k.CellWidth, k.CellHeight,
                                  LastPictureKindPage(k.MaxPicture)),
                  std::make_tuple(r.max, r.width, r.height, r.lastPage))
            << "kind " << r.set;
    }
}

TEST(PicturePagesTest, CustomSheetHeightGivesTenPicturesARowRoundedHalvesToEven) {
    // height / 36 * 10 - 1: 108 -> 29, 0 -> -1, 9 -> 1.5 -> 2, 27 -> 6.5 -> 6.
    const std::pair<int, int> rows[] = {{108, 29}, {0, -1}, {36, 9},   {9, 2},
                                        {27, 6},   {4, 0},  {144, 39}, {5, 0}};
    for (const auto& [height, max] : rows)
        EXPECT_EQ(CustomSheetMaxPicture(height), max) << "height " << height;
    EXPECT_EQ(PictureKindOf(0, 108).MaxPicture, 29);
    EXPECT_EQ(PictureKindOf(0, 108).CellWidth, 28);
}

// The window test pages through a kind of eight pages; these are the ends it cannot reach.
TEST(PicturePagesTest, PlacesBelowZeroAndPagesBeyondTheKind) {
    EXPECT_LT(PicturePageRange(0, -1).Last, PicturePageRange(0, -1).First);
    // A page beyond the last (a picture above the kind's range) goes back to 0.
    EXPECT_EQ((std::vector<int>{PlaceOfPicture(-7).Cell, PlaceOfPicture(-7).Page,
                                PreviousPicturePage(0, 29), NextPicturePage(0, 29),
                                NextPicturePage(9, 252)}),
              (std::vector<int>{-1, 0, 0, 0, 0}));
}
} // namespace
