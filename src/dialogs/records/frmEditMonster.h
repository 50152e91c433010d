#pragma once

#include "dialogs/records/MonsterCopy.h"
#include "forms/RecordDialog.h"

#include <array>
#include <cstdint>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class PictureBox;

// The monster type editor: one monster type at a time, with its attacks, pictures and picture
// size; its abilities are edited in frmEditMonstAbility through the public members.
class frmEditMonster : public RecordDialog {
  public:
    frmEditMonster();

    // Public members: the monster type being edited and its working copy.
    std::int16_t MonstNum = kFirstEditableMonster;
    MonsterCopy Copy;

    void LoadMonster();
    void ShowMonster();
    void SaveMonster();

    void cmdAbilities_Click();
    void cmdPicPicture_Click();
    void cmdPicCustom_Click();
    void cmdSelectTalk_Click();
    void cmdTalkCustom_Click();
    void optAttitude_Click(int index);
    void txtName_LostFocus();
    void txtAttackDice_Change(int index);
    void txtAttackDice_LostFocus(int index);
    void txtAttackDSide_Change(int index);
    void txtAttackDSide_LostFocus(int index);

    QLabel* lblMonstNum = nullptr;
    QLineEdit* txtName = nullptr;
    PictureBox* picMonster = nullptr;
    QLabel* lblPict = nullptr;
    QLabel* lblPicWidth = nullptr;
    QLabel* lblPicHeight = nullptr;
    PictureBox* picTalkingPic = nullptr;
    QComboBox* lstType = nullptr;
    std::array<QComboBox*, 2> lstAttack{};
    QLineEdit* txtLevel = nullptr;
    QLineEdit* txtHealth = nullptr;
    QLineEdit* txtArmor = nullptr;
    QLineEdit* txtSkill = nullptr;
    QLineEdit* txtSpeed = nullptr;
    QLineEdit* txtMagic = nullptr;
    QLineEdit* txtPriest = nullptr;
    QLineEdit* txtTreasure = nullptr;
    std::array<QLineEdit*, 3> txtAttackDice{};
    std::array<QLineEdit*, 3> txtAttackDSide{};
    std::array<QRadioButton*, 4> optAttitude{};
    QPushButton* cmdAbilities = nullptr;
    QPushButton* cmdPicPicture = nullptr;
    QPushButton* cmdPicCustom = nullptr;
    QPushButton* cmdSelectTalk = nullptr;
    QPushButton* cmdTalkCustom = nullptr;
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;

  protected:
    void LoadRecord() override { LoadMonster(); }
    void ShowRecord() override { ShowMonster(); }
    bool SaveRecord() override {
        SaveMonster();
        return true;
    }
    // The arrows step through monster types 1..255; type 0 is never offered.
    int RecordCount() const override { return kLastMonster; }
    int RecordNumber() const override { return MonstNum - 1; }
    void SetRecordNumber(int number) override { MonstNum = static_cast<std::int16_t>(number + 1); }

  private:
    void BuildControls();
    QVBoxLayout* BuildPictures();
    QGridLayout* BuildValues();
    QGroupBox* BuildAttacks();
    void ShowPicture();
    void ShowTalkingPicture();
    void ShowAttackBox(QLineEdit* box, std::int16_t value);

    MonsterPicSize picSize_;
};
