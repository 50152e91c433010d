#pragma once

#include "forms/RecordDialog.h"
#include "scenario/ScenarioRecords.h"

#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

// One of the scenario's 50 special items: its name and description (scenario strings
// 60 + 2 × number and 61 + 2 × number), whether the party starts with it, whether it can be
// used, and the scenario node run when it is used. Read at the first opening, so that the
// working copy survives the special-node editor opened from it.
class frmEditSpItem : public RecordDialog {
  public:
    static constexpr int kItemCount = 50;

    frmEditSpItem();

    std::int16_t SpItemNum = 0;
    SpecialItem Work;

    void chkFlag1_Click();
    void chkFlag2_Click();
    void cmdButton_Click();

    PictureBox* picDlogPic = nullptr;
    QLabel* lblSpItemNum = nullptr;
    QLineEdit* txtSpItemName = nullptr;
    QLineEdit* txtDescription = nullptr;
    QCheckBox* chkFlag1 = nullptr;
    QCheckBox* chkFlag2 = nullptr;
    QLineEdit* txtSpNode = nullptr;
    QPushButton* cmdButton = nullptr;
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;

  protected:
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;
    int RecordCount() const override { return kItemCount; }
    int RecordNumber() const override { return SpItemNum; }
    void SetRecordNumber(int number) override { SpItemNum = static_cast<std::int16_t>(number); }

  private:
    void BuildControls();
    NumericBox* nodeBox_ = nullptr;
};
