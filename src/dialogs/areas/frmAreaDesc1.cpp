#include "dialogs/areas/frmAreaDesc1.h"

#include "dialogs/areas/AreaDescCopy.h"
#include "dialogs/areas/AreaFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "forms/TypingLimit.h"
#include "map/MapState.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "scenario/Scenario.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace area_form;

namespace {
// Every text of a scenario holds at most 255 characters.
constexpr int kTextLimit = 255;
} // namespace

frmAreaDesc1::frmAreaDesc1() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = AddDialogPicture(this);
    outer->addLayout(MakeTitleRow(this, picDlogPic, "Enter the area's description:"));
    txtArea = new QLineEdit(this);
    LimitTyping(txtArea, kTextLimit);
    txtArea->setMinimumWidth(300);
    outer->addWidget(txtArea);
    auto* note = new QLabel("Maximum length of 30 characters. To edit later, select Edit Area "
                            "Descriptions from the Town/Outdoor menu.",
                            this);
    note->setWordWrap(true);
    outer->addWidget(note);
    const FootRow foot = MakeFootRow(this, Closing::OkCancel);
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);
}

void frmAreaDesc1::ShowRecord() {
    const AreaOwner owner = AreaOwnerOfEditMode(Map.EditMode);
    txtArea->setText(ToQString(CurrentAreaText(Scen, owner, AreaNum)));
    txtArea->setFocus();
}

bool frmAreaDesc1::SaveRecord() {
    CurrentAreaText(Scen, AreaOwnerOfEditMode(Map.EditMode), AreaNum) =
        FromQString(txtArea->text());
    return true;
}

void frmAreaDesc1::Cancelled() {
    CurrentAreaRect(Scen, AreaOwnerOfEditMode(Map.EditMode), AreaNum) = AreaRect{};
}
