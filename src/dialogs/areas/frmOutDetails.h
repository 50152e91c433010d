#pragma once

#include "forms/RecordDialog.h"

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class PictureBox;

// The current outdoor section's coordinates, and its name to edit.
class frmOutDetails : public RecordDialog {
  public:
    frmOutDetails();

    std::int16_t SectionX = 0;
    std::int16_t SectionY = 0;

    PictureBox* picDlogPic = nullptr;
    std::array<QLabel*, 2> lblOutCoord{};
    QLineEdit* txtOutName = nullptr;

  protected:
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;
};
