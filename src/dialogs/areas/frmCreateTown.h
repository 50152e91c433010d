#pragma once

#include "platform/qt/SharedForms.h"

#include <array>
#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class PictureBox;

// Appends a new town with a name, one of three sizes and one of three preset terrains, and
// makes it the current town.
class frmCreateTown : public ModalForm {
  public:
    frmCreateTown();

    std::string TownName;
    std::int16_t Size = 1;
    std::int16_t Terrain = 0;

    void OnOpening() override;
    void txtTownName_Change();
    void optTownSize_Click(int index);
    void optTerrain_Click(int index);
    void cmdOK_Click();
    void cmdCancel_Click();

    PictureBox* picDlogPic = nullptr;
    QLabel* lblTownNum = nullptr;
    QLineEdit* txtTownName = nullptr;
    std::array<QRadioButton*, 3> optTownSize{};
    std::array<QRadioButton*, 3> optTerrain{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

  protected:
    void reject() override; // Esc and the close box are Cancel
};
