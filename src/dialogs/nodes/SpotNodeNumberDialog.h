#pragma once

#include "forms/RecordDialog.h"
#include "scenario/ScenarioRecords.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class PictureBox;

// The node number of one special spot of the area being edited: Special is the spot's index in
// the current town's list (nodes 0..99) or the current outdoor section's (nodes 0..59). A free
// spot opens showing 0. The dialog writes only the number.
class frmSetSpecial : public RecordDialog {
  public:
    frmSetSpecial();

    std::int16_t Special = 0;
    // The node number shown.
    std::int16_t SpecNum = 0;

    PictureBox* picDlogPic = nullptr;
    QLineEdit* txtSpecNum = nullptr;

  protected:
    void OpeningLoad() override;
    void LoadRecord() override;
    void ShowRecord() override {}
    bool SaveRecord() override;

  private:
    // The spot edited, or nullptr when Special is not in the area's list.
    SpecialSpot* Spot();

    NumericBox* number_ = nullptr;
};
