#pragma once

#include "dialogs/areas/AreaDescCopy.h"
#include "forms/RecordDialog.h"

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

// The list of the area rectangles of the current outdoor section (Context 0, 8 rectangles) or
// town (Context 1, 16 rectangles on two pages of 8): their corners, their descriptions, and
// a Delete button for each placed rectangle. OK writes them all back; Cancel drops every edit.
class frmAreaDesc : public RecordDialog {
  public:
    frmAreaDesc();

    std::int16_t Context = 1;

    AreaDescCopy Work;

    void cmdDelete_Click(int row);
    void cmdScrollLeft_Click();
    void cmdScrollRight_Click();

    PictureBox* picDlogPic = nullptr;
    std::array<QLabel*, 2> Label1{};
    std::array<QLabel*, kAreaRowsPerPage> lblArea{};
    std::array<QLineEdit*, kAreaRowsPerPage> txtArea{};
    std::array<QPushButton*, kAreaRowsPerPage> cmdDelete{};
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;

  protected:
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;

  private:
    AreaOwner Owner() const;
    // The boxes' texts go into the working copy before the rows show something else.
    void TakeRowTexts();
};
