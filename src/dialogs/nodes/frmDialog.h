#pragma once

#include "forms/RecordDialog.h"
#include "scenario/ScenarioRecords.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class MultiLineBox;
class PictureBox;

// One of the current town's ten personalities: a character's name and its answers to look,
// name, job and a word it does not understand. The opener sets Personality (the slot 0..9);
// the arrows step through the town's ten slots.
class frmDialog : public RecordDialog {
  public:
    frmDialog();

    std::int16_t Personality = 0;
    // The town whose personality is shown; saving writes to it.
    std::int16_t PersTown = 0;
    // The working copy.
    ::Personality Copy;

    PictureBox* picDlogPic = nullptr;
    QLabel* lblPersonality = nullptr;
    QLineEdit* txtName = nullptr;
    MultiLineBox* txtLookResponse = nullptr;
    MultiLineBox* txtNameResponse = nullptr;
    MultiLineBox* txtJobResponse = nullptr;
    MultiLineBox* txtHuhResponse = nullptr;
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;

  protected:
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;
    int RecordCount() const override { return 10; }
    int RecordNumber() const override { return Personality; }
    void SetRecordNumber(int number) override { Personality = static_cast<std::int16_t>(number); }

  private:
    // The boxes' texts into the working copy, as leaving each box does.
    void TakeBoxes();
};
