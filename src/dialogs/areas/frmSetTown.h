#pragma once

#include "forms/RecordDialog.h"

#include <cstdint>

class QComboBox;
class PictureBox;

// The town that one town entrance of the current outdoor section leads to. The opener names
// the entrance slot in OutTown and afterwards completes or frees the slot by the town that
// OK left in it (-1: none).
class frmSetTown : public RecordDialog {
  public:
    frmSetTown();

    std::int16_t OutTown = 0;
    std::int16_t ChosenTown = -1;

    PictureBox* picDlogPic = nullptr;
    QComboBox* lstTown = nullptr;

  protected:
    void LoadRecord() override;
    void ShowRecord() override {}
    bool SaveRecord() override;

  private:
    ValueList* towns_ = nullptr;
};
