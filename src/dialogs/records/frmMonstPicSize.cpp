#include "dialogs/records/frmMonstPicSize.h"

#include "dialogs/records/RecordFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "scenario/NumericValidator.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int kDialogPictureSide = 32;

// A box is checked whenever its text changes; no value is put back when it is left.
bool SizeRejected(const QLineEdit* box, const char* caption) {
    return ValidateNumber(FromQString(box->text()), caption, 1, 2);
}

std::int16_t SizeOf(const QLineEdit* box) {
    return static_cast<std::int16_t>(NumberFromBoxText(FromQString(box->text())).value_or(0));
}
} // namespace

frmMonstPicSize::frmMonstPicSize() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    auto* page = new QGridLayout(this);
    picDlogPic = AddDialogPicture(this, kDialogPictureSide);
    page->addWidget(picDlogPic, 0, 0, 2, 1, Qt::AlignTop);
    page->addWidget(MakeLabel("Custom Monster Picture Size", this), 0, 1, 1, 2);
    page->addWidget(MakeLabel("Enter Width and Height for custom monster picture.", this), 1, 1, 1,
                    2);
    page->addWidget(MakeLabel("Width:", this), 2, 1);
    txtPicWidth = MakeBox(this, 6);
    page->addWidget(txtPicWidth, 2, 2);
    page->addWidget(MakeLabel("Height:", this), 3, 1);
    txtPicHeight = MakeBox(this, 6);
    page->addWidget(txtPicHeight, 3, 2);
    const FootRow buttons = MakeFootRow(this, Closing::CancelOkTabOk);
    page->addLayout(buttons.Row, 4, 0, 1, 3);
    SetButtons(buttons.Ok, buttons.Cancel);

    Connect(txtPicWidth, &QLineEdit::textChanged, [this] { txtPicWidth_Change(); });
    Connect(txtPicHeight, &QLineEdit::textChanged, [this] { txtPicHeight_Change(); });
}

void frmMonstPicSize::ShowSize() {
    {
        const LoadingScope loading(Loading);
        txtPicWidth->setText(Decimal(PicWidth));
        txtPicHeight->setText(Decimal(PicHeight));
    }
}

void frmMonstPicSize::ReadSize() {
    PicWidth = SizeOf(txtPicWidth);
    PicHeight = SizeOf(txtPicHeight);
}

void frmMonstPicSize::txtPicWidth_Change() {
    if (Loading) return;
    BadInput = SizeRejected(txtPicWidth, "Width");
}

void frmMonstPicSize::txtPicHeight_Change() {
    if (Loading) return;
    BadInput = SizeRejected(txtPicHeight, "Height");
}

bool frmMonstPicSize::SaveRecord() {
    // One flag serves both boxes, and the box typed last decides it: a refused width followed
    // by a good height would let the refused width through. Both are checked again here.
    if (SizeRejected(txtPicWidth, "Width") || SizeRejected(txtPicHeight, "Height")) {
        BadInput = true;
        return false;
    }
    ReadSize();
    return true;
}
