#pragma once

#include "forms/RecordDialog.h"

#include <array>
#include <cstdint>

class QComboBox;
class QLineEdit;
class PictureBox;

// Replaces one terrain type by another over the town or outdoor section being edited, each
// cell with a chance in percent. It holds no record: OK applies the choice at once. Each
// opening starts from terrain 0 to terrain 0 at 100 percent.
class frmReplaceTerrain : public RecordDialog {
  public:
    frmReplaceTerrain();

    std::int16_t FromTerrain = 0;
    std::int16_t ToTerrain = 0;
    std::int16_t Percent = 100;

    void lstTerrain_Click(int index);

    PictureBox* picDlogPic = nullptr;
    std::array<QComboBox*, 2> lstTerrain{};
    QLineEdit* txtPct = nullptr;

  protected:
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;
};
