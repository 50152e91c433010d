#pragma once

#include "dialogs/records/MonsterAbilityCopy.h"
#include "forms/RecordDialog.h"

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class PictureBox;

// The abilities of the monster type open in frmEditMonster: it reads that editor's public
// members at each opening and writes them back on OK; the record itself is saved by the editor.
class frmEditMonstAbility : public RecordDialog {
  public:
    frmEditMonstAbility();

    void LoadAbilities();
    void ShowAbilities();
    void SaveAbilities();

    void lstCreateGenerate_Click();
    void txtCreateExtra_Change();
    void txtCreateExtra_LostFocus();
    // Resistance r (0 magic, 1 fire, 2 cold, 3 poison), box 0 resist or 1 immune.
    void chkResistance_Click(int resistance, int box);

    const MonsterAbilityCopy& Copy() const { return copy_; }

    PictureBox* picDlogPic = nullptr;
    QLabel* lblMonsterNumber = nullptr;
    QLineEdit* txtPoison = nullptr;
    QComboBox* lstBreathWpn = nullptr;
    QLineEdit* txtBreathStr = nullptr;
    QComboBox* lstSpAbility = nullptr;
    QComboBox* lstCreateGenerate = nullptr;
    QLabel* lblCreateExtra = nullptr;
    QLineEdit* txtCreateExtra = nullptr;
    QComboBox* lstItemDropped = nullptr;
    QLineEdit* txtChanceDrop = nullptr;
    QComboBox* lstSummonType = nullptr;
    std::array<QCheckBox*, 2> chkMagicRes{};
    std::array<QCheckBox*, 2> chkFireRes{};
    std::array<QCheckBox*, 2> chkColdRes{};
    std::array<QCheckBox*, 2> chkPoisonRes{};

  protected:
    void LoadRecord() override { LoadAbilities(); }
    void ShowRecord() override { ShowAbilities(); }
    bool SaveRecord() override {
        SaveAbilities();
        return true;
    }

  private:
    void BuildControls();
    void FillItemList();
    std::array<QCheckBox*, 2>& ResistanceBoxes(int resistance);
    std::uint8_t& Resistance(int resistance);

    MonsterAbilityCopy copy_;
    ValueList* itemList_ = nullptr;
    // Lasts from one opening to the next: only choosing an entry changes it.
    CreateExtraRule createRule_;
};
