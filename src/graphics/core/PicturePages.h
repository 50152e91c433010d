#pragma once

#include <cstdint>

// The picture picker's arithmetic: which pictures a kind has, how big one is, and which page of
// 36 shows which of them. Plain functions, so that the picker's window only shows the result.

// Pictures on one page of the picker.
constexpr int kPicturesPerPage = 36;

// The kinds the picker offers, in the numbering its callers pass.
enum PictureKindCode : std::int32_t {
    kPickCustom = 0,
    kPickDialog = 1,
    kPickItem = 2,
    kPickMonster = 3,
    kPickScenIcon = 4,
    kPickPortrait = 5,
    kPickTerrain = 6,
    kPickAnimTerrain = 7,
};

struct PictureKindInfo {
    std::int16_t MaxPicture = 0; // highest picture number of the kind
    std::int16_t CellWidth = 0;  // picture size in pixels
    std::int16_t CellHeight = 0;
};

// The highest picture of a custom sheet of the given height: ten pictures to a 36-pixel row,
// less one, rounded to the nearest whole number (halves to even).
std::int16_t CustomSheetMaxPicture(int sheetHeight);

// A kind outside 0..7 has all three values 0.
PictureKindInfo PictureKindOf(std::int32_t pictureSet, int customSheetHeight);

// The last page of a kind: the whole part of MaxPicture / 36 (0 when it has no pictures).
std::int16_t LastPictureKindPage(std::int16_t maxPicture);

struct PicturePage {
    std::int16_t First = 0; // first picture on the page
    std::int16_t Last = 0;  // last picture on the page; below First when the page is empty
};
PicturePage PicturePageRange(std::int16_t page, std::int16_t maxPicture);

// Where a chosen picture lies. A choice of -1 or below opens page 0 with nothing marked.
struct PicturePlace {
    std::int16_t Page = 0;
    std::int16_t Cell = -1;
};
PicturePlace PlaceOfPicture(std::int16_t selection);

// The page arrows: both directions wrap around between page 0 and the last page.
std::int16_t PreviousPicturePage(std::int16_t page, std::int16_t maxPicture);
std::int16_t NextPicturePage(std::int16_t page, std::int16_t maxPicture);
