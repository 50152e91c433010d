#pragma once

#include "platform/qt/SharedForms.h"

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;
class PictureBox;

// Chooses the outdoor section that the outdoor dialogs and the map edit. It has only OK:
// closing the window otherwise keeps the current section.
class frmOutLoad : public ModalForm {
  public:
    frmOutLoad();

    std::uint8_t ChosenX = 0;
    std::uint8_t ChosenY = 0;

    void OnOpening() override;
    void ShowOutSection();
    void SetCurrentSection();
    void cmbOutSection_Click();
    void cmdOK_Click();

    PictureBox* picDlogPic = nullptr;
    QComboBox* cmbOutSection = nullptr;
    std::array<QLabel*, 2> lblOutSize{};
    QPushButton* cmdOK = nullptr;
};
