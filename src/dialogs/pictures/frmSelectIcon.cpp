#include "dialogs/pictures/frmSelectIcon.h"

#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "graphics/Drawing.h"
#include "graphics/GraphicsSheets.h"
#include "graphics/core/PicturePages.h"
#include "platform/qt/EventPass.h"
#include "platform/qt/PictureBox.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {
// Places of the 36 slots: six rows of six, each an option button and the cell to its right,
// on a pitch that fits the largest cell (36 x 36 and its border).
constexpr int kColumns = 6;
constexpr int kGridLeft = 12;
constexpr int kGridTop = 60;
constexpr int kSlotWidth = 76;
constexpr int kSlotHeight = 46;
constexpr int kOptionWidth = 18;
constexpr int kDialogWidth = kGridLeft * 2 + kColumns * kSlotWidth;
constexpr int kButtonsTop = kGridTop + 6 * kSlotHeight + 8;
constexpr int kDialogHeight = kButtonsTop + 36;

QLabel* AddLabel(QWidget* parent, const char* text, QRect place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
} // namespace

PickerCell::PickerCell(QWidget* parent) : QFrame(parent) {
    setLineWidth(1);
    picture = new PictureBox(this);
    picture->move(2, 2);
    // The frame takes the clicks on its picture too.
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetBorder(false);
}

void PickerCell::SetBorder(bool on) {
    setFrameStyle(on ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
}

bool PickerCell::HasBorder() const {
    return frameShape() == QFrame::Box;
}

void PickerCell::SizeTo(int width, int height) {
    picture->ResizePixels(width, height);
    setFixedSize(width + 4, height + 4);
}

void PickerCell::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && clicked) clicked();
    QFrame::mousePressEvent(event);
}

frmSelectIcon::frmSelectIcon() {
    setWindowTitle("Varno Scenario Editor");
    SetFormFont(this);
    setFixedSize(kDialogWidth, kDialogHeight);

    picDlogPic = AddDialogPicture(this);
    picDlogPic->move(kGridLeft, 8);
    AddLabel(this, "Select a graphic:", QRect(kGridLeft + 48, 8, 300, 16));
    AddLabel(this, "Click button to left of graphic to select. Use arrows to change pages.",
             QRect(kGridLeft + 48, 26, kDialogWidth - kGridLeft * 2 - 48, 30));

    for (int i = 0; i < kCells; ++i) {
        const int left = kGridLeft + (i % kColumns) * kSlotWidth;
        const int top = kGridTop + (i / kColumns) * kSlotHeight;
        auto* option = new QRadioButton(this);
        option->setGeometry(left, top + 12, kOptionWidth, 18);
        // The picker decides which one is on; the buttons do not switch each other off.
        option->setAutoExclusive(false);
        connect(option, &QRadioButton::clicked, this, [this, i] { optSelect_Click(i); });
        auto* cell = new PickerCell(this);
        cell->move(left + kOptionWidth + 2, top);
        cell->clicked = [this, i] { picSelect_Click(i); };
        optSelect[static_cast<std::size_t>(i)] = option;
        picSelect[static_cast<std::size_t>(i)] = cell;
    }

    cmdScrollLeft = new QPushButton("<", this);
    cmdScrollLeft->setGeometry(kGridLeft, kButtonsTop, 40, 24);
    cmdScrollRight = new QPushButton(">", this);
    cmdScrollRight->setGeometry(kGridLeft + 46, kButtonsTop, 40, 24);
    cmdCancel = new QPushButton("Cancel", this);
    cmdCancel->setGeometry(kDialogWidth - kGridLeft - 2 * 70 - 8, kButtonsTop, 70, 24);
    cmdOK = new QPushButton("OK", this);
    cmdOK->setGeometry(kDialogWidth - kGridLeft - 70, kButtonsTop, 70, 24);
    cmdOK->setDefault(true);
    cmdCancel->setAutoDefault(false);
    cmdScrollLeft->setAutoDefault(false);
    cmdScrollRight->setAutoDefault(false);
    connect(cmdScrollLeft, &QPushButton::clicked, this, [this] { cmdScrollLeft_Click(); });
    connect(cmdScrollRight, &QPushButton::clicked, this, [this] { cmdScrollRight_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    // Form_Load.
    loading_ = true;
    HideAllCells();
    cmdScrollLeft->hide();
    cmdScrollRight->hide();
}

void frmSelectIcon::Form_Activate() {
    workingSelection_ = PictureSelect;
    const PictureKindInfo kind = PictureKindOf(PictureSet, frmPics.imgCustomPics.height());
    maxPicture_ = kind.MaxPicture;
    cellWidth_ = kind.CellWidth;
    cellHeight_ = kind.CellHeight;
    for (PickerCell* cell : picSelect)
        cell->SizeTo(cellWidth_, cellHeight_);
    const bool paged = maxPicture_ >= kPicturesPerPage;
    cmdScrollLeft->setVisible(paged);
    cmdScrollRight->setVisible(paged);
    // A choice below -1 is no picture either: it opens on page 0 with nothing marked.
    const PicturePlace place = PlaceOfPicture(workingSelection_);
    selectedCell_ = place.Cell;
    ShowPage(place.Page);
}

void frmSelectIcon::ShowPage(std::int16_t page) {
    currentPage_ = page;
    const PicturePage range = PicturePageRange(currentPage_, maxPicture_);
    pageFirst_ = range.First;
    pageLast_ = range.Last;
    DrawIconPage();
}

void frmSelectIcon::HideAllCells() {
    for (int i = 0; i < kCells; ++i) {
        optSelect[static_cast<std::size_t>(i)]->hide();
        optSelect[static_cast<std::size_t>(i)]->setChecked(false);
        picSelect[static_cast<std::size_t>(i)]->hide();
        picSelect[static_cast<std::size_t>(i)]->SetBorder(false);
    }
}

void frmSelectIcon::DrawPicture(int cell, std::int16_t n) {
    Surface& surface = picSelect[static_cast<std::size_t>(cell)]->picture->surface();
    // The cell may still hold a picture of another page.
    surface.Clear();
    switch (PictureSet) {
    case kPickCustom:
        DrawCustomPic(surface, n, 0, 0, 0);
        break;
    case kPickDialog:
        DrawDlogPic(surface, n);
        break;
    case kPickItem:
        DrawItemPic(surface, n);
        break;
    case kPickMonster:
        DrawMonsterPic(surface, n);
        break;
    case kPickScenIcon:
        DrawScenPic(surface, n);
        break;
    case kPickPortrait:
        DrawPortraitPic(surface, n);
        break;
    case kPickTerrain:
        DrawBaseTerrainPic(surface, n, 0, 0, 0);
        break;
    case kPickAnimTerrain:
        DrawAnimTerrainPic(surface, n, 0, 0, 0);
        break;
    default:
        break;
    }
}

void frmSelectIcon::DrawIconPage() {
    loading_ = true;
    DoEvents();
    // A scenario without custom pictures has nothing to pick from; clicks stay without effect.
    if (PictureSet == kPickCustom && maxPicture_ <= 0) return;
    HideAllCells();
    for (int n = pageFirst_; n <= pageLast_; ++n) {
        const int slot = n - pageFirst_;
        optSelect[static_cast<std::size_t>(slot)]->show();
        PickerCell* cell = picSelect[static_cast<std::size_t>(slot)];
        cell->show();
        cell->SetBorder(false);
        DrawPicture(slot, static_cast<std::int16_t>(n));
        cell->picture->Refresh();
    }
    if (workingSelection_ >= pageFirst_ && workingSelection_ <= pageLast_ && selectedCell_ >= 0) {
        optSelect[static_cast<std::size_t>(selectedCell_)]->setChecked(true);
        picSelect[static_cast<std::size_t>(selectedCell_)]->SetBorder(true);
    }
    loading_ = false;
}

void frmSelectIcon::optSelect_Click(int index) {
    QRadioButton* option = optSelect[static_cast<std::size_t>(index)];
    if (loading_) {
        // The click changed nothing; the button shows what the picker holds.
        option->setChecked(index == selectedCell_ && workingSelection_ >= pageFirst_ &&
                           workingSelection_ <= pageLast_);
        return;
    }
    if (selectedCell_ > -1) {
        picSelect[static_cast<std::size_t>(selectedCell_)]->SetBorder(false);
        optSelect[static_cast<std::size_t>(selectedCell_)]->setChecked(false);
    }
    workingSelection_ = static_cast<std::int16_t>(currentPage_ * kPicturesPerPage + index);
    selectedCell_ = static_cast<std::int16_t>(index);
    option->setChecked(true);
    picSelect[static_cast<std::size_t>(index)]->SetBorder(true);
    DoEvents();
}

void frmSelectIcon::picSelect_Click(int index) {
    if (loading_) return;
    optSelect[static_cast<std::size_t>(index)]->setChecked(true);
    optSelect_Click(index);
}

void frmSelectIcon::cmdScrollLeft_Click() {
    HideAllCells();
    ShowPage(PreviousPicturePage(currentPage_, maxPicture_));
}

void frmSelectIcon::cmdScrollRight_Click() {
    HideAllCells();
    ShowPage(NextPicturePage(currentPage_, maxPicture_));
}

void frmSelectIcon::cmdOK_Click() {
    PictureSelect = workingSelection_;
    CancelFlag = false;
    Form_Deactivate();
    done(QDialog::Accepted);
}

void frmSelectIcon::cmdCancel_Click() {
    CancelFlag = true;
    Form_Deactivate();
    done(QDialog::Rejected);
}

void frmSelectIcon::reject() {
    cmdCancel_Click();
}

void frmSelectIcon::Form_Deactivate() {
    HideAllCells();
    cmdScrollLeft->hide();
    cmdScrollRight->hide();
}
