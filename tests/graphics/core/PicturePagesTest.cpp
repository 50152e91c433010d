#include "graphics/core/PicturePages.h"

#include <gtest/gtest.h>

TEST(PicturePagesTest, EachKindHasItsRangeCellSizeAndPagesCustomOnesByTheSheetHeight) {
    // Kinds 1..8 and -1: the highest picture, the cell size and the last page.
    std::string kinds;
    for (int set : {1, 2, 3, 4, 5, 6, 7, 8, -1}) {
        const PictureKindInfo k = PictureKindOf(set, 360);
        kinds += std::to_string(k.MaxPicture) + " " + std::to_string(k.CellWidth) + "x" +
                 std::to_string(k.CellHeight) + " " +
                 std::to_string(LastPictureKindPage(k.MaxPicture)) + "|";
    }
    EXPECT_EQ(kinds, "31 36x36 0|122 28x36 3|172 28x36 4|29 32x32 0|83 36x36 2|252 28x36 7|"
                     "13 28x36 0|0 0x0 0|0 0x0 0|");
    // Custom pictures, kind 0: height / 36 * 10 - 1 with halves rounded to even: 108 -> 29,
    // 0 -> -1, 9 -> 1.5 -> 2, 27 -> 6.5 -> 6.
    std::vector<int> custom;
    for (int height : {108, 0, 36, 9, 27, 4, 144, 5})
        custom.push_back(CustomSheetMaxPicture(height));
    EXPECT_EQ(custom, (std::vector{29, -1, 9, 2, 6, 0, 39, 0}));
    EXPECT_EQ(std::tuple(PictureKindOf(0, 108).MaxPicture, PictureKindOf(0, 108).CellWidth),
              std::tuple(29, 28));
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
