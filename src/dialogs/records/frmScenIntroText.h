#pragma once

#include "forms/RecordDialog.h"

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

// The scenario's six lines of introductory text and its icon, chosen with the picture picker.
// The texts are read once per opening, so that returning from the picker keeps the typing.
class frmScenIntroText : public RecordDialog {
  public:
    frmScenIntroText();

    void cmdSelectIcon_Click();

    PictureBox* picDlogPic = nullptr;
    QLabel* lblScenIcon = nullptr;
    std::array<QLineEdit*, 6> txtIntroText{};
    QPushButton* cmdSelectIcon = nullptr;

  protected:
    void LoadRecord() override {}
    void ShowRecord() override;
    bool SaveRecord() override;

  private:
    void BuildControls();
    void ShowIcon();
    // The icon chosen: what lblScenIcon shows.
    std::int16_t icon_ = 0;
};
