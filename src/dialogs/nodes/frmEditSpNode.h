#pragma once

#include "dialogs/nodes/NodeCopy.h"
#include "dialogs/nodes/NodeLinks.h"
#include "dialogs/nodes/NodeStorage.h"
#include "forms/RecordDialog.h"

#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;
class PictureBox;
struct SpecialNodeTypeInfo;

// The special-node editor: one node of the scenario's, the current outdoor section's or the
// current town's family at a time, its fields labelled by the node's type. Links to other
// nodes can be followed (and created) and gone back along.
//
// Opening: the opener sets NodeSet, then NodeNum (-1 lets the editor take the first free node
// of the family), shows it modally and reads NodeNum back: the node at the bottom of the chain
// of links followed, or -1 when no node could be had.
class frmEditSpNode : public RecordDialog {
  public:
    frmEditSpNode();

    std::int16_t NodeNum = -1;
    std::int32_t NodeSet = 0;

    // The working copy and the chain of parents, public for the message editors and tests.
    NodeCopy Copy;
    GoBackStack GoBack;
    std::int16_t MaxNode = 255;

    void cmdSpType_Click(int index);
    void lstNodeType_Click();
    void lstChoose_Click(int index);
    void cmdButton_Click(int index);
    void cmdGoBack_Click();
    void cmdMessage_Click();
    void cmdPict_Click();
    void cmdPictCustom_Click();

    PictureBox* picDlogPic = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblNodeNum = nullptr;
    QLabel* lblNodeType = nullptr;
    QListWidget* lstNodeType = nullptr;
    std::array<QPushButton*, 6> cmdSpType{};
    std::array<QLabel*, kNodeFieldCount> lblPrompt{};
    std::array<QLineEdit*, kNodeFieldCount> txtData{};
    std::array<QComboBox*, kNodeFieldCount - 1> lstChoose{};
    QPushButton* cmdMessage = nullptr;
    QPushButton* cmdPict = nullptr;
    QPushButton* cmdPictCustom = nullptr;
    std::array<QPushButton*, 4> cmdButton{}; // 1..3; 0 is not used
    QPushButton* cmdGoBack = nullptr;
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;

  protected:
    void OpeningLoad() override;
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;
    void Accepted() override;
    void Cancelled() override;
    int RecordCount() const override { return MaxNode + 1; }
    int RecordNumber() const override { return NodeNum; }
    void SetRecordNumber(int number) override { NodeNum = static_cast<std::int16_t>(number); }

  private:
    void BuildControls();
    QGridLayout* BuildHeading();
    QVBoxLayout* BuildTypeChoice();
    QGridLayout* BuildFieldGrid();
    void AddFieldButtons(QGridLayout* grid);
    void BindFields();
    QHBoxLayout* BuildFoot();
    void SetupNodeType();
    void FillChooser(int field, std::int16_t kind, std::vector<std::string> entries);
    void txtData_Committed(int field);
    void ShowField(int field);
    void CheckShownFields();
    void SaveNode();
    void SetChainButtons();
    const SpecialNodeTypeInfo& TypeInfo() const;
    // The first free node of the family, or -1 after telling the author there is none.
    std::int16_t FindFreeNode(std::int32_t family);
    void ChoosePicture(bool custom);

    std::array<NumericBox*, kNodeFieldCount> fields_{};
    // What each value list was last filled with, so that an unchanged list is not refilled.
    std::array<std::int16_t, kNodeFieldCount - 1> chooserKinds_{};
    std::array<std::vector<std::string>, kNodeFieldCount - 1> chooserEntries_;
    // Whether the editor took a free node for a new reference at this opening.
    bool openedForNewNode_ = false;
    bool nodeShown_ = false;
    // The field boxes' texts before a node was put into them, to tell which boxes it changed.
    std::array<QString, kNodeFieldCount> textsBeforeShow_;
};
