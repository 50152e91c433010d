#pragma once

#include "dialogs/records/ItemAbilityCopy.h"
#include "forms/RecordDialog.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class PictureBox;

// The special ability of the item type open in frmEditItem, chosen by category: it reads that
// editor's public members at each opening and writes the ability, its strength and its use
// back on OK; the record itself is saved by the editor.
class frmEditItemAbility : public RecordDialog {
  public:
    frmEditItemAbility();

    void LoadAbility();
    void ShowAbility();
    void SaveAbility();

    void cmdSpAbility_Click(int index);
    void lstSpAbility_Click(int row);
    void txtAbilityStrength_Change();
    void txtAbilityStrength_LostFocus();

    const ItemAbilityCopy& Copy() const { return copy_; }

    QLabel* lblItemNum = nullptr;
    QLabel* lblItemName = nullptr;
    QLabel* lblType = nullptr;
    PictureBox* picItem = nullptr;
    QLabel* lblSpecAbility = nullptr;
    QListWidget* lstSpAbility = nullptr;
    QLineEdit* txtAbilityStrength = nullptr;
    QLabel* Label6 = nullptr; // the strength caption
    QComboBox* lstItemUses = nullptr;
    std::array<QPushButton*, kAbilityCategories> cmdSpAbility{};

  protected:
    void LoadRecord() override { LoadAbility(); }
    void ShowRecord() override { ShowAbility(); }
    bool SaveRecord() override {
        SaveAbility();
        return true;
    }

  private:
    void BuildControls();

    ItemAbilityCopy copy_;
};
