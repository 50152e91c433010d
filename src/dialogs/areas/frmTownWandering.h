#pragma once

#include "dialogs/areas/TownWanderingCopy.h"
#include "forms/RecordDialog.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class PictureBox;

// The four wandering-monster groups of the current town. All four are held at once: the arrows
// only change the group on show; OK writes all four, Cancel none.
class frmTownWandering : public RecordDialog {
  public:
    frmTownWandering();

    TownWanderingCopy Work;

    void lstMonster_Click(int slot);
    void cmdScrollLeft_Click();
    void cmdScrollRight_Click();

    PictureBox* picDlogPic = nullptr;
    QLabel* lblEncNum = nullptr;
    std::array<QComboBox*, 4> lstMonster{};
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;

  protected:
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;
};
