#pragma once

#include "forms/RecordDialog.h"

#include <cstdint>

class QLabel;
class MultiLineBox;
class PictureBox;

// The text of one sign of the area being edited: string 170 + SignNum of the current town, or
// 100 + SignNum of the current outdoor section. A sign position without a text slot (outdoor
// signs 8..15) shows an empty, locked box and stores nothing.
class frmEditSign : public RecordDialog {
  public:
    frmEditSign();

    std::int16_t SignNum = 0;
    // The string index of the sign shown; -1 when it has none.
    int SignIndex = -1;

    PictureBox* picDlog = nullptr;
    QLabel* lblSignNum = nullptr;
    MultiLineBox* txtSign = nullptr;

  protected:
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;

  private:
    // Whether the sign is one of the current outdoor section's rather than the town's.
    bool outdoors_ = false;
};
