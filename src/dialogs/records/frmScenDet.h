#pragma once

#include "forms/RecordDialog.h"

#include <array>
#include <cstdint>

class QLineEdit;
class QRadioButton;
class PictureBox;

// The scenario's own description: name, version, credits, contact information, the default
// death message, rating and difficulty. It works on the scenario directly; each opening shows
// the scenario's current values and OK writes every one of them back.
class frmScenDet : public RecordDialog {
  public:
    frmScenDet();

    // Option indices of the rating and difficulty chosen.
    std::int16_t Rating = 0;
    std::int16_t Difficulty = 0;

    void optRating_Click(int index);
    void optDifficulty_Click(int index);
    void txtVersion_Change(int index);

    PictureBox* picDlogPic = nullptr;
    QLineEdit* txtName = nullptr;
    std::array<QLineEdit*, 3> txtVersion{};
    QLineEdit* txtCredit1 = nullptr;
    QLineEdit* txtCredit2 = nullptr;
    QLineEdit* txtContact = nullptr;
    std::array<QLineEdit*, 2> txtDeath{};
    std::array<QRadioButton*, 4> optRating{};
    std::array<QRadioButton*, 4> optDifficulty{};

  protected:
    void LoadRecord() override {}
    void ShowRecord() override;
    bool SaveRecord() override;

  private:
    void BuildControls();
};
