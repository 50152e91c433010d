#pragma once

#include "dialogs/records/ItemCopy.h"
#include "forms/RecordDialog.h"

#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

// The item type editor: one of the 500 item types at a time. Its special ability, strength and
// use are edited in frmEditItemAbility through the public members.
class frmEditItem : public RecordDialog {
  public:
    frmEditItem();

    // Public members: the item type being edited and its working copy.
    std::int16_t ItemNum = 0;
    ItemCopy Copy;

    void LoadItem();
    void ShowItem();
    void SaveItem();

    void cmdAbilities_Click();
    void cmdPictSelect_Click();
    void cmdCustomPic_Click();
    void txtName_LostFocus();
    void txtUnidName_LostFocus();

    QLabel* lblItemNum = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtUnidName = nullptr;
    QLabel* lblPict = nullptr;
    PictureBox* picItem = nullptr;
    QComboBox* lstType = nullptr;
    QLineEdit* txtValue = nullptr;
    QLineEdit* txtWeight = nullptr;
    QLineEdit* txtLevel = nullptr;
    QLineEdit* txtAwkwardness = nullptr;
    QLineEdit* txtBonus = nullptr;
    QLineEdit* txtProtection = nullptr;
    QLineEdit* txtCharges = nullptr;
    QComboBox* lstWpnType = nullptr;
    QLineEdit* txtTypeFlag = nullptr;
    QLineEdit* txtSpecClass = nullptr;
    QComboBox* lstTreasureType = nullptr;
    QCheckBox* chkIdentified = nullptr;
    QCheckBox* chkMagical = nullptr;
    QCheckBox* chkCursed = nullptr;
    QCheckBox* chkConcealAbility = nullptr;
    QPushButton* cmdPictSelect = nullptr;
    QPushButton* cmdCustomPic = nullptr;
    QPushButton* cmdAbilities = nullptr;
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;

  protected:
    void LoadRecord() override { LoadItem(); }
    void ShowRecord() override { ShowItem(); }
    bool SaveRecord() override;
    int RecordCount() const override { return kLastItem + 1; }
    int RecordNumber() const override { return ItemNum; }
    void SetRecordNumber(int number) override { ItemNum = static_cast<std::int16_t>(number); }

  private:
    void BuildControls();
    void ShowPicture();
    // Refuses a save of an item whose ability uses up charges but that has none.
    bool ChargesMissing();
};
