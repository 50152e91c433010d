#pragma once

#include "dialogs/areas/TownCreatureCopy.h"
#include "forms/RecordDialog.h"

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class PictureBox;

// One creature placed in the current town: its monster type, attitude, movement, timing,
// the personality that talks for it and its portrait, its encounter group, the node run when
// it is killed and the flag its life is linked to. Opened by the map tools for one creature
// (Context false) or from the Town menu to browse the list with the arrows (Context true).
class frmTownMonster : public RecordDialog {
  public:
    frmTownMonster();

    bool Context = false;
    std::int16_t MonstNum = 0;

    TownCreatureCopy Work;

    void lstMonster_Click();
    void optAttitude_Click(int index);
    void optCanMove_Click(int index);
    void lstTown_Click();
    void lstPersonality_Click();
    void cmdTalkPic_Click();
    void cmdTalkCustom_Click();
    void lstHere_Click();
    void lstSpecEncounterGrp_Click();
    void cmdButton_Click();
    void lstChoose_Click(int index);

    PictureBox* picDlogPic = nullptr;
    QLabel* lblMonstNum = nullptr;
    QComboBox* lstMonster = nullptr;
    std::array<QLabel*, 2> lblLoc{};
    std::array<QRadioButton*, 4> optAttitude{};
    std::array<QRadioButton*, 2> optCanMove{};
    QComboBox* lstTown = nullptr;
    QComboBox* lstPersonality = nullptr;
    PictureBox* picTalkPic = nullptr;
    QPushButton* cmdTalkPic = nullptr;
    QPushButton* cmdTalkCustom = nullptr;
    QComboBox* lstHere = nullptr;
    std::array<QLabel*, 2> lblExtra{};
    std::array<QLineEdit*, 2> txtExtra{};
    QComboBox* lstSpecEncounterGrp = nullptr;
    QLineEdit* txtKilledSpnode = nullptr;
    QPushButton* cmdButton = nullptr;
    std::array<QLineEdit*, 2> txtStuffDone{};
    std::array<QComboBox*, 2> lstChoose{};
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;

  protected:
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;
    void done(int result) override;
    int RecordCount() const override;
    int RecordNumber() const override { return MonstNum; }
    void SetRecordNumber(int number) override { MonstNum = static_cast<std::int16_t>(number); }

  private:
    void BuildControls();
    void AddIdentity(QVBoxLayout* outer);
    void AddBehaviour(QVBoxLayout* outer);
    void AddTalking(QVBoxLayout* outer);
    void AddEvents(QVBoxLayout* outer);
    void BindBoxes();
    void FillLists();
    void ShowTimingFields();
    void ShowPersonalities();
    void ShowFlagValues();
    void DrawMonsterPicture();
    void txtStuffDone_Committed(int index);
    std::int16_t& FlagField(int index);

    bool listsFilled_ = false;
    NumericBox* killedNode_ = nullptr;
};
