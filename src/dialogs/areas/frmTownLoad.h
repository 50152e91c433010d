#pragma once

#include "platform/qt/SharedForms.h"

#include <cstdint>

class QComboBox;
class QPushButton;
class PictureBox;

// Chooses the town that the town dialogs and the map edit. It has only OK: closing the window
// otherwise keeps the current town.
class frmTownLoad : public ModalForm {
  public:
    frmTownLoad();

    std::int16_t ChosenTown = 0;
    bool Loading = false;

    void OnOpening() override;
    void ShowCurrentTown();
    void SetCurrentTown();
    void lstTown_Click();
    void cmdOK_Click();

    PictureBox* picDlogPic = nullptr;
    QComboBox* lstTown = nullptr;
    QPushButton* cmdOK = nullptr;
};
