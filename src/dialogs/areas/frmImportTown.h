#pragma once

#include "platform/qt/SharedForms.h"

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

// Asks for a town number (or a section's x and y) and a scenario file, then reads that town
// or section of the file over the current one.
class frmImportTown : public ModalForm {
  public:
    frmImportTown();

    // Public member: 0 import a town, 3 import an outdoor section.
    std::uint8_t Context = 0;

    void OnOpening() override { Form_Activate(); }
    void Form_Activate();
    void txtSourceNum_Change(int index);
    void txtSourceNum_LostFocus(int index);
    void cmdOK_Click();
    void cmdCancel_Click();

    std::array<QLineEdit*, 2> txtSourceNum{};
    // One label per mode: index 0 for a town, 1 for a section.
    std::array<QLabel*, 2> Label1{};
    std::array<QLabel*, 2> Label2{};
    std::array<QLabel*, 2> Label4{};
    QLabel* Label3 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    PictureBox* picDlogPic = nullptr;

  protected:
    void reject() override; // Escape and the close box are Cancel

  private:
    void ShowMode(int mode);

    std::array<std::int16_t, 2> number_{};
    bool badInput_ = false;
    bool loading_ = false;
};
