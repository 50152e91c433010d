#include "dialogs/areas/frmReplaceTerrain.h"

#include "dialogs/areas/AreaFormParts.h"
#include "dialogs/areas/TerrainReplacement.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "platform/qt/PictureBox.h"
#include "scenario/Scenario.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace area_form;

frmReplaceTerrain::frmReplaceTerrain() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = AddDialogPicture(this);
    const NotedTitle heading =
        MakeNotedTitleRow(this, picDlogPic, "Change Terrain Randomly",
                          "Select a terrain type and another terrain type to turn it into. Also "
                          "give a percentage chance of changing it (0-100). ");
    outer->addLayout(heading.Row);

    auto* form = new QFormLayout;
    const char* captions[] = {"Change this terrain type:", "To this terrain type:"};
    for (int i = 0; i < 2; ++i) {
        QComboBox* list = MakeValueList(this);
        list->setMinimumWidth(240);
        lstTerrain[static_cast<std::size_t>(i)] = list;
        form->addRow(captions[i], list);
        Connect(list, &QComboBox::activated, [this, i] { lstTerrain_Click(i); });
    }
    txtPct = new QLineEdit(this);
    form->addRow("Chance of changing (0-100):", txtPct);
    BindNumber(txtPct, &Percent, {"Percentage", 0, 100});
    outer->addLayout(form);

    const FootRow foot = MakeFootRow(this, Closing::OkCancel);
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);
}

void frmReplaceTerrain::LoadRecord() {
    FromTerrain = ToTerrain = 0;
    Percent = 100;
    std::vector<std::string> names;
    names.reserve(Scen.TerrainTypes.size());
    for (const TerrainType& type : Scen.TerrainTypes)
        names.push_back(type.Name);
    // Neither list shows a choice until the author makes one.
    for (QComboBox* list : lstTerrain)
        FillValueList(list, names);
}

void frmReplaceTerrain::ShowRecord() {}

void frmReplaceTerrain::lstTerrain_Click(int index) {
    if (Loading) return;
    const int row = lstTerrain[static_cast<std::size_t>(index)]->currentIndex();
    if (row < 0) return;
    (index == 0 ? FromTerrain : ToTerrain) = static_cast<std::int16_t>(row);
}

bool frmReplaceTerrain::SaveRecord() {
    ReplaceTerrainRandomly(Scen, static_cast<std::uint8_t>(FromTerrain),
                           static_cast<std::uint8_t>(ToTerrain), Percent);
    return true;
}
