#include "dialogs/nodes/frmEditSign.h"

#include "dialogs/nodes/StringSlots.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "forms/MultiLineBox.h"
#include "graphics/Drawing.h"
#include "map/MapState.h"
#include "platform/qt/PictureBox.h"
#include "scenario/Scenario.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kSignLimit = 255;

// The sign picture: base terrain picture 227 at full size, drawn whenever the box is painted.
class SignPictureBox : public PictureBox {
  public:
    static constexpr std::int16_t kSignPicture = 227;

    explicit SignPictureBox(QWidget* parent) : PictureBox(parent) { ResizePixels(28, 36); }

  protected:
    void DrawBeforePaint() override { DrawBaseTerrainPic(surface(), kSignPicture, 0, 0, 0); }
};
} // namespace

frmEditSign::frmEditSign() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    picDlog = new SignPictureBox(this);
    const NumberedHeading heading =
        MakeNumberedHeading(this, picDlog, "Editing Sign", "Sign number:");
    lblSignNum = heading.Number;

    txtSign = new MultiLineBox(kSignLimit, this);
    txtSign->setFixedSize(380, 5 * txtSign->fontMetrics().height() + 10);

    const FootRow foot = MakeFootRow(this, Closing::CancelOk);
    SetButtons(foot.Ok, foot.Cancel);

    auto* page = new QVBoxLayout(this);
    page->addLayout(heading.Grid);
    page->addWidget(txtSign);
    page->addLayout(foot.Row);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

void frmEditSign::LoadRecord() {
    outdoors_ = EditingOutdoors();
    SignIndex = SignText(Scen, outdoors_, SignNum) ? SignStringIndex(outdoors_, SignNum) : -1;
}

void frmEditSign::ShowRecord() {
    lblSignNum->setText(QString::number(SignNum));
    const std::string* text = SignText(Scen, outdoors_, SignNum);
    txtSign->SetModelText(text ? *text : std::string());
    txtSign->setEnabled(text != nullptr);
    // The author types straight away at every opening, whatever had the focus when it closed.
    if (text) txtSign->setFocus();
}

bool frmEditSign::SaveRecord() {
    if (std::string* text = SignText(Scen, outdoors_, SignNum)) *text = txtSign->ModelText();
    return true;
}
