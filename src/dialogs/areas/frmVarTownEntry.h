#pragma once

#include "forms/RecordDialog.h"
#include "scenario/Scenario.h"

#include <array>

class QComboBox;
class QLineEdit;
class PictureBox;

// The scenario's ten variable town entries, one row each: the town, and the stuff-done flag
// whose value is added to it when the party enters. The flag boxes show only for a row with a
// town.
class frmVarTownEntry : public RecordDialog {
  public:
    frmVarTownEntry();

    std::array<VarTownEntry, 10> Work{};

    void lstTownNum_Click(int row);

    PictureBox* picDlogPic = nullptr;
    std::array<QComboBox*, 10> lstTownNum{};
    std::array<QLineEdit*, 10> txtStuffDoneA{};
    std::array<QLineEdit*, 10> txtStuffDoneB{};

  protected:
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;

  private:
    void ShowFlagBoxes(int row);
    std::array<ValueList*, 10> townLists_{};
};
