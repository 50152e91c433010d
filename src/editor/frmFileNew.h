#pragma once

#include "forms/RecordDialog.h"
#include "scenario/NewScenario.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class PictureBox;

// The new-scenario dialog: collects the name, file name, size of the outdoors, grass or cave
// and the size of town 0, asks for confirmation and creates the scenario.
class frmFileNew : public RecordDialog {
  public:
    frmFileNew();

    // Public members: the size of town 0, and the result (1 created, 2 cancelled).
    std::int16_t TownSize = 1;
    std::int16_t frmCancel = 0;

    void optTownSize_Click(int index);

    // What the dialog's controls say, as the scenario's creation takes it.
    NewScenarioChoices Choices() const;

    PictureBox* picDlogPic = nullptr;
    QLineEdit* txtScenName = nullptr;
    QLineEdit* txtFileName = nullptr;
    QLineEdit* txtOutWidth = nullptr;
    QLineEdit* txtOutHeight = nullptr;
    QCheckBox* chkGrass = nullptr;
    std::array<QRadioButton*, 3> optTownSize{};

  protected:
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;
    void Cancelled() override;

  private:
    // The last accepted sizes, offered again at the next opening.
    std::int16_t lastWidth_ = 1;
    std::int16_t lastHeight_ = 1;
};
