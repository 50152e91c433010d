#pragma once

#include "dialogs/areas/PresetItemCopy.h"
#include "forms/RecordDialog.h"

#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

// One preset item of the current town: its type, charges and three flags. Opened by the map
// tools for one item (Context false: every row is an item type) or from the Town menu to
// browse the list with the arrows (Context true: "No Item" first, which frees the slot).
class frmTownItem : public RecordDialog {
  public:
    frmTownItem();

    std::int16_t ItemNum = 0;
    bool Context = false;

    PresetItemCopy Work;

    void lstItem_Click();
    void chkAlwaysHere_Click();
    void chkProperty_Click();
    void chkContainedIn_Click();

    PictureBox* picDlogPic = nullptr;
    QLabel* lblItemNum = nullptr;
    std::array<QLabel*, 2> lblLoc{};
    QComboBox* lstItem = nullptr;
    QLineEdit* txtCharges = nullptr;
    QCheckBox* chkAlwaysHere = nullptr;
    QCheckBox* chkProperty = nullptr;
    QCheckBox* chkContainedIn = nullptr;
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;

  protected:
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;
    void done(int result) override;
    int RecordCount() const override;
    int RecordNumber() const override { return ItemNum; }
    void SetRecordNumber(int number) override { ItemNum = static_cast<std::int16_t>(number); }

  private:
    void DrawItemPicture();

    bool listsFilled_ = false;
};
