#pragma once

#include "platform/SharedForms.h"
#include "scenario/NewScenario.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class PictureBox;

// The new-scenario dialog: collects the name, file name, size of the outdoors, grass or cave
// and the size of town 0, asks for confirmation and creates the scenario.
class frmFileNew : public ModalForm {
  public:
    frmFileNew();

    // Public members: the size of town 0, and the result (1 created, 2 cancelled).
    std::int16_t TownSize = 1;
    std::int16_t frmCancel = 0;

    void OnOpening() override { Form_Activate(); }
    void Form_Activate();
    void optTownSize_Click(int index);
    void txtOutWidth_Change();
    void txtOutHeight_Change();
    void txtOutWidth_LostFocus();
    void txtOutHeight_LostFocus();
    void cmdOK_Click();
    void cmdCancel_Click();

    // What the dialog's controls say, as the scenario's creation takes it.
    NewScenarioChoices Choices() const;

    PictureBox* picDlogPic = nullptr;
    QLineEdit* txtScenName = nullptr;
    QLineEdit* txtFileName = nullptr;
    QLineEdit* txtOutWidth = nullptr;
    QLineEdit* txtOutHeight = nullptr;
    QCheckBox* chkGrass = nullptr;
    std::array<QRadioButton*, 3> optTownSize{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

  protected:
    void reject() override; // Escape and the close box are Cancel
    void paintEvent(QPaintEvent* event) override;

  private:
    void DrawDialogPicture();

    bool badInput_ = false;
    std::int16_t lastWidth_ = 1;
    std::int16_t lastHeight_ = 1;
    bool loading_ = false;
};
