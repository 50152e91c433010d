#pragma once

#include "forms/RecordDialog.h"

#include <array>
#include <cstdint>

class QLineEdit;
class PictureBox;

// The scenario's four saved-item areas, all at once: for each the town (-1: no area) and the
// rectangle in it where items left on the ground are remembered.
class frmEditSaveItem : public RecordDialog {
  public:
    static constexpr int kAreas = 4;
    static constexpr int kColumns = 5; // town, left, top, right, bottom

    frmEditSaveItem();

    // Value 5 × area + column.
    std::array<std::int16_t, kAreas * kColumns> Values{};

    PictureBox* picDlogPic = nullptr;
    std::array<QLineEdit*, kAreas * kColumns> txtData{};

  protected:
    void LoadRecord() override;
    void ShowRecord() override {}
    bool SaveRecord() override;

  private:
    void BuildControls();
};
