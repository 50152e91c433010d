#pragma once

#include "dialogs/areas/TownDetailsCopy.h"
#include "forms/RecordDialog.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;
class PictureBox;

// The header values of the current town: name, hidden flag, lighting, difficulty, monster
// limit, the day it dies and the event that saves it, its entry and exit special nodes and
// its exit locations. Number, size and the outdoor place that leads to it are shown only.
class frmTownDetails : public RecordDialog {
  public:
    frmTownDetails();

    TownDetailsCopy Work;

    void chkHidden_Click();
    void optLight_Click(int index);
    void txtTownName_LostFocus();

    PictureBox* picDlogPic = nullptr;
    QLabel* lblTownNum = nullptr;
    QLabel* lblTownSize = nullptr;
    std::array<QLabel*, 2> lblOutSect{};
    std::array<QLabel*, 2> lblOutLoc{};
    QLineEdit* txtTownName = nullptr;
    QCheckBox* chkHidden = nullptr;
    QLineEdit* txtDayDies = nullptr;
    QLineEdit* txtEventStop = nullptr;
    std::array<QRadioButton*, 4> optLight{};
    QLineEdit* txtMaxMonsters = nullptr;
    QLineEdit* txtDifficulty = nullptr;
    std::array<QLineEdit*, 4> txtExitSpecial{};
    std::array<QLineEdit*, 2> txtEntrySpecial{};
    std::array<QLineEdit*, 8> txtExitLoc{};

  protected:
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;

  private:
    void BuildControls();
    void AddTownFacts(QVBoxLayout* outer);
    void AddTimingAndLighting(QVBoxLayout* outer);
    void AddExits(QVBoxLayout* outer);
    void BindBoxes();
};
