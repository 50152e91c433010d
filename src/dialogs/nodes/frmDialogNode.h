#pragma once

#include "dialogs/nodes/TalkingNodeTypes.h"
#include "forms/RecordDialog.h"
#include "scenario/ScenarioRecords.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class MultiLineBox;
class PictureBox;

// One of the current town's 90 talking nodes: who answers, to which two keywords, with which
// node type, and the type's extras and texts. The prompts, the ranges of the extras, the pick
// lists and the special-node button follow the node type. The opener sets DialogNum (0..89);
// the arrows step through the town's nodes.
class frmDialogNode : public RecordDialog {
  public:
    frmDialogNode();

    std::int16_t DialogNum = 0;

    // The working copy, and the extras' bounds for the node's type.
    TalkingNode Copy;
    std::array<std::int16_t, kTalkExtraCount> ExtraMin{};
    std::array<std::int16_t, kTalkExtraCount> ExtraMax{};

    void lstPersonality_Click();
    void lstType_Click();
    void lstChoose_Click(int index);
    void cmdButton_Click();

    PictureBox* picDlogPic = nullptr;
    QLabel* lblNodeNum = nullptr;
    QComboBox* lstPersonality = nullptr;
    std::array<QLineEdit*, 2> txtWord{};
    QComboBox* lstType = nullptr;
    std::array<QLineEdit*, kTalkExtraCount> txtExtra{};
    std::array<QLabel*, kTalkPromptCount> lblPrompt{};
    std::array<QComboBox*, kTalkPickListCount> lstChoose{};
    std::array<MultiLineBox*, 2> txtText{};
    QPushButton* cmdButton = nullptr;
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;

  protected:
    void OpeningLoad() override;
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;
    int RecordCount() const override { return static_cast<int>(TownTalk{}.Nodes.size()); }
    int RecordNumber() const override { return DialogNum; }
    void SetRecordNumber(int number) override { DialogNum = static_cast<std::int16_t>(number); }

  private:
    void BuildControls();
    QGridLayout* BuildHeading();
    QGridLayout* BuildKeyRows();
    QGridLayout* BuildExtraValues();
    QGridLayout* BuildMessages();
    QHBoxLayout* BuildFoot();
    void SetPrompts();
    void FillChooseList(int index, int kind);
    void FillPickList(int index, std::vector<std::string> entries);
    void txtWord_GotFocus(int index);
    void txtWord_LostFocus(int index);
    std::string& Word(int index) { return index == 0 ? Copy.Word1 : Copy.Word2; }

    std::array<NumericBox*, kTalkExtraCount> extras_{};
    ValueList* types_ = nullptr;
    // What each pick list was last filled with, so that an unchanged list is not refilled.
    std::array<std::vector<std::string>, kTalkPickListCount> pickEntries_;
};
