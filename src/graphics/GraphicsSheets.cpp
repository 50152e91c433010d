#include "graphics/GraphicsSheets.h"

#include "platform/core/ProgramPaths.h"
#include "platform/qt/Surface.h"

PictureHolders frmPics;
QImage MarblePic;
QImage ScenPicsPic;
std::int16_t CustomPicsLoaded = 0;

const std::array<CursorPictureFile, 8> kCursorPictureFiles = {{
    {"\\Images\\cursor_pencil.bmp", &PictureHolders::iconPencil},
    {"\\Images\\cursor_brush.bmp", &PictureHolders::iconBrush},
    {"\\Images\\cursor_spray.bmp", &PictureHolders::iconSpray},
    {"\\Images\\cursor_dropper.bmp", &PictureHolders::iconDropper},
    {"\\Images\\cursor_area1.bmp", &PictureHolders::iconArea1},
    {"\\Images\\cursor_area2.bmp", &PictureHolders::iconArea2},
    {"\\Images\\cursor_eraser.bmp", &PictureHolders::iconEraser},
    {"\\Images\\cursor_sword.bmp", &PictureHolders::iconSword},
}};

namespace {
QImage LoadSheet(const char* programRelativePath) {
    return LoadBitmapFile(ProgramPath(programRelativePath));
}

std::string Numbered(const char* stem, int number) {
    return std::string("\\Images\\") + stem + std::to_string(number) + ".bmp";
}
} // namespace

void LoadGraphics() {
    MarblePic = LoadSheet("\\Images\\marble.bmp");
    ScenPicsPic = LoadSheet("\\Images\\scenpics.bmp");
    // The holder comes into being here, with the cursor pictures it carries from the start.
    for (const auto& cursor : kCursorPictureFiles)
        frmPics.*cursor.holder = LoadSheet(cursor.path);
    frmPics.imgCustomPics = QImage();
    frmPics.imgButtons = LoadSheet("\\Images\\buttons.bmp");
    frmPics.imgDlgButtonPics = LoadSheet("\\Images\\dlogbtns.bmp");
    frmPics.imgDlogPics = LoadSheet("\\Images\\dlogpics.bmp");
    frmPics.imgFieldpics = LoadSheet("\\Images\\fields.bmp");
    for (int i = 0; i < 10; ++i)
        frmPics.imgMonstpics[static_cast<std::size_t>(i)] =
            LoadSheet(Numbered("monst", i + 1).c_str());
    frmPics.imgObjectpics = LoadSheet("\\Images\\objects.bmp");
    frmPics.imgTalkPics = LoadSheet("\\Images\\talkport.bmp");
    frmPics.imgTinyobjpics = LoadSheet("\\Images\\tinyobj.bmp");
    frmPics.imgTerDisp = LoadSheet("\\Images\\terdisp.bmp");
    for (int i = 0; i < 6; ++i)
        frmPics.imgTerpics[static_cast<std::size_t>(i)] = LoadSheet(Numbered("ter", i + 1).c_str());
    frmPics.imgTeranimpics = LoadSheet("\\Images\\teranim.bmp");
    frmPics.imgTinyTerr = LoadSheet("\\Images\\tinyterr.bmp");
    // FieldPicMap, MonsterPicInfo and TerDispIcon are constant tables built with the program.
}

void LoadCustomPics(const std::string& path) {
    try {
        frmPics.imgCustomPics = LoadBitmapFile(path);
        CustomPicsLoaded = -1;
    } catch (...) {
        frmPics.imgCustomPics = QImage();
        CustomPicsLoaded = 0;
    }
}

const QImage* SheetImage(Sheet sheet, int index) {
    const QImage* image = nullptr;
    switch (sheet) {
    case Sheet::Marble:
        image = &MarblePic;
        break;
    case Sheet::ScenPics:
        image = &ScenPicsPic;
        break;
    case Sheet::DlogPics:
        image = &frmPics.imgDlogPics;
        break;
    case Sheet::Fields:
        image = &frmPics.imgFieldpics;
        break;
    case Sheet::Monsters:
        if (index >= 0 && index < 10)
            image = &frmPics.imgMonstpics[static_cast<std::size_t>(index)];
        break;
    case Sheet::Objects:
        image = &frmPics.imgObjectpics;
        break;
    case Sheet::TalkPort:
        image = &frmPics.imgTalkPics;
        break;
    case Sheet::TinyObj:
        image = &frmPics.imgTinyobjpics;
        break;
    case Sheet::TerDisp:
        image = &frmPics.imgTerDisp;
        break;
    case Sheet::Terrain:
        if (index >= 0 && index < 6) image = &frmPics.imgTerpics[static_cast<std::size_t>(index)];
        break;
    case Sheet::TerAnim:
        image = &frmPics.imgTeranimpics;
        break;
    case Sheet::TinyTerr:
        image = &frmPics.imgTinyTerr;
        break;
    case Sheet::Custom:
        image = &frmPics.imgCustomPics;
        break;
    }
    return image && !image->isNull() ? image : nullptr;
}
