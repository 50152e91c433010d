// The main window's tool buttons and the presses on the map that the current tool handles.
#include "editor/MapToolHost.h"
#include "editor/frmMain.h"

#include "forms/FormLayout.h"
#include "forms/HandlerGuard.h"
#include "map/MapCells.h"
#include "map/tools/ToolDispatch.h"
#include "map/tools/ToolTable.h"
#include "platform/core/ProgramPaths.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Surface.h"
#include "scenario/tables/EditorTables.h"

#include <QBitmap>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
// The tool-button pictures lie in one file, 8 to a row in tool order.
constexpr int kPictureWidth = 22;
constexpr int kPictureHeight = 14;
constexpr int kPicturesPerRow = 8;

QIcon ToolPicture(const QImage& sheet, int tool) {
    if (sheet.isNull()) return {};
    const QImage picture =
        sheet.copy((tool % kPicturesPerRow) * kPictureWidth,
                   (tool / kPicturesPerRow) * kPictureHeight, kPictureWidth, kPictureHeight);
    QPixmap pixmap = QPixmap::fromImage(picture);
    // White is the transparent colour of our pictures.
    pixmap.setMask(
        QBitmap::fromImage(picture.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor)));
    return QIcon(pixmap);
}

void ShowToolLabels(frmMain& main, int tool) {
    const auto& captions = ToolCaptions[static_cast<std::size_t>(tool)];
    main.lblTool[0]->setText(ToQString(captions[kToolCaptionColumn]));
    main.lblTool[1]->setText(ToQString(captions[kToolPromptColumn]));
}
} // namespace

void frmMain::SetUpToolButtons() {
    ToolHostImpl = new MapToolHost(*this);
    // A missing picture file leaves the buttons without pictures; their tool tips still tell.
    QImage sheet;
    try {
        sheet = LoadBitmapFile(ProgramPath("\\Images\\toolbtns.bmp"));
    } catch (...) {
        sheet = QImage();
    }
    for (int i = 0; i < kToolButtonCount; ++i) {
        const ToolInfo& tool = MapTools()[static_cast<std::size_t>(i)];
        QPushButton* button = cmdTool[static_cast<std::size_t>(i)];
        button->move(Twips(390 * tool.Column, 270 * tool.Row, 390, 270).topLeft());
        button->setToolTip(tool.ToolTip);
        button->setIcon(ToolPicture(sheet, i));
        button->setIconSize(QSize(kPictureWidth, kPictureHeight));
        ConnectGuarded(button, &QPushButton::clicked, this, [this, i] { cmdTool_Click(i); });
    }
    cmdTool[kToolReplaceTerrain]->setEnabled(MapToolHost::CanReplaceTerrain());
}

void frmMain::cmdTool_Click(int index) {
    index = ToolForButton(index);
    ShowToolLabels(*this, index);
    picMap->setFocus();
    ClickStep = 0;
    if (index == kToolChangeView) {
        Map.ZoomView = !Map.ZoomView;
        picMap->setFocus();
        picMap_Paint();
        return;
    }
    if (index == kToolReplaceTerrain) {
        ToolHostImpl->ReplaceTerrain();
        BuildMapCells();
        picMap_Paint();
        picMap->setFocus();
        return;
    }
    ToolHostImpl->SetMapCursor(MapTools()[static_cast<std::size_t>(index)].Cursor);
    CurrentTool = static_cast<std::int16_t>(index);
    ShowToolLabels(*this, index);
    picMap->setFocus();
}

void frmMain::picMap_MouseDown(Qt::MouseButtons buttons, ViewCell cell) {
    MapMouseDown(buttons == Qt::LeftButton, cell, *ToolHostImpl);
}

void frmMain::picMap_DblClick(Qt::MouseButton button) {
    MapDoubleClick(button == Qt::LeftButton, *ToolHostImpl);
}
