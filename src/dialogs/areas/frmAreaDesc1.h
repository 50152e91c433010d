#pragma once

#include "forms/RecordDialog.h"

#include <cstdint>

class QLineEdit;
class PictureBox;

// Asks for the description of the rectangle that the area tool has just placed in slot
// AreaNum of the area being edited. OK stores the description; Cancel takes the rectangle
// away again and leaves the description as it was.
class frmAreaDesc1 : public RecordDialog {
  public:
    frmAreaDesc1();

    std::int16_t AreaNum = 0;

    PictureBox* picDlogPic = nullptr;
    QLineEdit* txtArea = nullptr;

  protected:
    void LoadRecord() override {}
    void ShowRecord() override;
    bool SaveRecord() override;
    void Cancelled() override;
};
