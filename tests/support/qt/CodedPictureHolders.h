#pragma once

#include "graphics/GraphicsSheets.h"
#include "support/qt/CodedSheets.h"

// Fills the program's picture holders with coded sheets of the real sizes (sheet tags: marble 1,
// animated terrain 2, tiny terrain 3, dialog 4, portraits 5, objects 6, tiny objects 7, icons 8,
// fields 9, terrain 10..15, monsters 20..29; no custom sheet) and puts the program's back after.
class CodedSheetsScope {
  public:
    CodedSheetsScope() {
        MarblePic = CodedSheet(256, 192, 1);
        for (int i = 0; i < 6; ++i)
            frmPics.imgTerpics[static_cast<std::size_t>(i)] = CodedSheet(280, 180, 10 + i);
        for (int i = 0; i < 10; ++i)
            frmPics.imgMonstpics[static_cast<std::size_t>(i)] = CodedSheet(84, 360, 20 + i);
        frmPics.imgTeranimpics = CodedSheet(2240, 180, 2);
        frmPics.imgTinyTerr = CodedSheet(60, 216, 3);
        frmPics.imgDlogPics = CodedSheet(144, 288, 4);
        frmPics.imgTalkPics = CodedSheet(320, 288, 5);
        frmPics.imgObjectpics = CodedSheet(140, 324, 6);
        frmPics.imgTinyobjpics = CodedSheet(180, 234, 7);
        frmPics.imgTerDisp = CodedSheet(70, 21, 8);
        frmPics.imgFieldpics = CodedSheet(224, 324, 9);
        frmPics.imgCustomPics = QImage();
        CustomPicsLoaded = 0;
    }
    ~CodedSheetsScope() {
        frmPics = pics_;
        MarblePic = marble_;
        CustomPicsLoaded = customLoaded_;
    }
    CodedSheetsScope(const CodedSheetsScope&) = delete;
    CodedSheetsScope& operator=(const CodedSheetsScope&) = delete;

    // A custom sheet of the height, tag 12.
    static void LoadCustomSheet(int h) {
        frmPics.imgCustomPics = CodedSheet(280, h, 12);
        CustomPicsLoaded = -1;
    }

  private:
    PictureHolders pics_ = frmPics;
    QImage marble_ = MarblePic;
    std::int16_t customLoaded_ = CustomPicsLoaded;
};
