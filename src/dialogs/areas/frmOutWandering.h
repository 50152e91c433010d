#pragma once

#include "dialogs/areas/EncounterCopy.h"
#include "forms/RecordDialog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class PictureBox;

// The four wandering encounters (Context 0) or the four special encounters (Context 1) of the
// current outdoor section. All four are held at once: the arrows step through the working copy
// without saving, OK writes all four back. The node buttons open the node editor, so the
// working copy is loaded only at the first opening and survives the editor.
class frmOutWandering : public RecordDialog {
  public:
    frmOutWandering();

    std::int16_t Context = 0;
    EncounterCopy Work;

    void chkFlee_Click();
    void chkForce_Click();
    void cmdSpNode_Click(int index);

    PictureBox* picDlogPic = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblEncNumber = nullptr;
    std::array<QComboBox*, 10> lstMonster{};
    std::array<QLineEdit*, 3> txtSpNode{};
    std::array<QPushButton*, 3> cmdSpNode{};
    QCheckBox* chkFlee = nullptr;
    QCheckBox* chkForce = nullptr;
    std::array<QLineEdit*, 2> txtSDFlag{};
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;

  protected:
    void OpeningLoad() override;
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;
    void Accepted() override;
    int RecordCount() const override { return 4; }
    int RecordNumber() const override { return Work.Current; }
    void SetRecordNumber(int number) override { Work.Current = static_cast<std::int16_t>(number); }

  private:
    void AddMonsters(QVBoxLayout* outer);
    void AddNodes(QVBoxLayout* outer);
    void AddTraits(QVBoxLayout* outer);
    std::array<std::int16_t*, 3> NodeFields();
    std::array<NumericBox*, 3> nodeBoxes_{};
};
