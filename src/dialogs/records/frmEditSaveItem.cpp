#include "dialogs/records/frmEditSaveItem.h"

#include "dialogs/records/ScenarioFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "scenario/Scenario.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {} // namespace

frmEditSaveItem::frmEditSaveItem() : RecordDialog(LoadOn::EveryOpening) {
    BuildControls();
    using Check = NumberRule::Check;
    for (std::size_t i = 0; i < txtData.size(); ++i) {
        // The rectangle's sides are bytes: only 0..255 can be stored there.
        const bool town = i % kColumns == 0;
        BindNumber(txtData[i], &Values[i],
                   {"Value", 0, static_cast<std::int16_t>(town ? 0 : 255), 0, Check::OnChange});
    }
}

void frmEditSaveItem::BuildControls() {
    SetFormFont(this);
    setMinimumWidth(560);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = AddDialogPicture(this);
    outer->addLayout(MakeTitleRow(this, picDlogPic, "Save Items Rectangles"));
    outer->addWidget(WrappedLabel(
        this, "There can be areas in towns where items left there are remembered, even "
              "after the party leaves town. Enter the numbers of the towns where items "
              "are saved (-1 means no area), and the rectangles where the items are "
              "remembered."));

    auto* grid = new QGridLayout;
    const char* headers[kColumns] = {"Town #", "Left", "Top", "Right", "Bottom"};
    for (int k = 0; k < kColumns; ++k)
        grid->addWidget(new QLabel(headers[k], this), 0, k + 1);
    for (int a = 0; a < kAreas; ++a) {
        grid->addWidget(new QLabel(QString("Items saved rectangle %1:").arg(a), this), a + 1, 0);
        for (int k = 0; k < kColumns; ++k) {
            auto* box = new QLineEdit(this);
            box->setMaximumWidth(64);
            txtData[static_cast<std::size_t>(a * kColumns + k)] = box;
            grid->addWidget(box, a + 1, k + 1);
        }
    }
    outer->addLayout(grid);
    outer->addWidget(WrappedLabel(
        this, "If the party leaves the given town wih an item on the ground inside the given "
              "rectangle, the item will still be there when they get back. If the item is not "
              "inside the rectangle, it is lost. Note that the three towns must be different."));

    const FootRow foot = MakeFootRow(this, Closing::OkCancel);
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);
}

void frmEditSaveItem::LoadRecord() {
    for (std::size_t a = 0; a < kAreas; ++a) {
        const SavedItemArea& area = Scen.SavedItemAreas[a];
        std::int16_t* row = &Values[a * kColumns];
        row[0] = area.Town;
        row[1] = area.Left;
        row[2] = area.Top;
        row[3] = area.Right;
        row[4] = area.Bottom;
    }
}

bool frmEditSaveItem::SaveRecord() {
    for (std::size_t a = 0; a < kAreas; ++a) {
        SavedItemArea& area = Scen.SavedItemAreas[a];
        const std::int16_t* row = &Values[a * kColumns];
        area.Town = row[0];
        area.Left = static_cast<std::uint8_t>(row[1]);
        area.Top = static_cast<std::uint8_t>(row[2]);
        area.Right = static_cast<std::uint8_t>(row[3]);
        area.Bottom = static_cast<std::uint8_t>(row[4]);
    }
    return true;
}
