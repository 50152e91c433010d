#pragma once

#include "graphics/core/PictureNumbering.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <string>

// The hidden holder of the picture sheets and the map's cursor pictures. It is never shown;
// it only keeps every sheet as a bitmap that block copies read for the life of the process.
struct PictureHolders {
    QImage imgButtons;
    QImage imgDlgButtonPics;
    QImage imgDlogPics;
    QImage imgFieldpics;
    std::array<QImage, 10> imgMonstpics;
    QImage imgObjectpics;
    QImage imgTalkPics;
    QImage imgTinyobjpics;
    QImage imgTerDisp;
    std::array<QImage, 6> imgTerpics;
    QImage imgTeranimpics;
    QImage imgTinyTerr;
    QImage imgCustomPics;
    // Holders that never receive a sheet.
    QImage imgPCPics;
    QImage Image3;

    QImage iconPencil;
    QImage iconBrush;
    QImage iconSpray;
    QImage iconDropper;
    QImage iconArea1;
    QImage iconArea2;
    QImage iconEraser;
    QImage iconSword;
};

extern PictureHolders frmPics;
extern QImage MarblePic;
extern QImage ScenPicsPic;
// -1 when the current scenario's custom sheet is loaded, 0 when not.
extern std::int16_t CustomPicsLoaded;

// The program-relative file of each cursor picture, in the order of the holders above.
struct CursorPictureFile {
    const char* path;
    QImage PictureHolders::*holder;
};
extern const std::array<CursorPictureFile, 8> kCursorPictureFiles;

// Loads every standard sheet, in a fixed order. A missing or unreadable file ends the loading
// with its run-time error; start-up reports it.
void LoadGraphics();

// Loads a scenario's custom sheet. Any failure leaves the custom holder empty and
// CustomPicsLoaded false, and reports nothing.
void LoadCustomPics(const std::string& path);

// The loaded sheet a copy reads; null when that sheet is not loaded or does not exist.
const QImage* SheetImage(Sheet sheet, int index);
