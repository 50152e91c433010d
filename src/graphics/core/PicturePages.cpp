#include "graphics/core/PicturePages.h"

#include <algorithm>
#include <cmath>

std::int16_t CustomSheetMaxPicture(int sheetHeight) {
    const double highest = static_cast<double>(sheetHeight) / 36.0 * 10.0 - 1.0;
    // The default rounding mode sends halves to the even neighbour.
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(highest), -32768.0, 32767.0));
}

PictureKindInfo PictureKindOf(std::int32_t pictureSet, int customSheetHeight) {
    switch (pictureSet) {
    case kPickCustom:
        return {CustomSheetMaxPicture(customSheetHeight), 28, 36};
    case kPickDialog:
        return {31, 36, 36};
    case kPickItem:
        return {122, 28, 36};
    case kPickMonster:
        return {172, 28, 36};
    case kPickScenIcon:
        return {29, 32, 32};
    case kPickPortrait:
        return {83, 36, 36};
    case kPickTerrain:
        return {252, 28, 36};
    case kPickAnimTerrain:
        return {13, 28, 36};
    default:
        return {};
    }
}

std::int16_t LastPictureKindPage(std::int16_t maxPicture) {
    // Whole part, towards zero: a kind without pictures has page 0 only.
    return static_cast<std::int16_t>(maxPicture / kPicturesPerPage);
}

PicturePage PicturePageRange(std::int16_t page, std::int16_t maxPicture) {
    const int first = page * kPicturesPerPage;
    const int last = std::min(first + kPicturesPerPage - 1, static_cast<int>(maxPicture));
    return {static_cast<std::int16_t>(first), static_cast<std::int16_t>(last)};
}

PicturePlace PlaceOfPicture(std::int16_t selection) {
    if (selection < 0) return {0, -1};
    return {static_cast<std::int16_t>(selection / kPicturesPerPage),
            static_cast<std::int16_t>(selection % kPicturesPerPage)};
}

std::int16_t PreviousPicturePage(std::int16_t page, std::int16_t maxPicture) {
    const int previous = page - 1;
    return previous < 0 ? LastPictureKindPage(maxPicture) : static_cast<std::int16_t>(previous);
}

std::int16_t NextPicturePage(std::int16_t page, std::int16_t maxPicture) {
    const int next = page + 1;
    return next > LastPictureKindPage(maxPicture) || next < 0 ? std::int16_t{0}
                                                              : static_cast<std::int16_t>(next);
}
