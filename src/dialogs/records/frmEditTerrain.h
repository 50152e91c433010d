#pragma once

#include "dialogs/records/TerrainCopy.h"
#include "forms/RecordDialog.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class PictureBox;

// The terrain type editor: one of the 256 terrain types at a time, with its picture and the
// two extra values whose meaning follows its special property.
class frmEditTerrain : public RecordDialog {
  public:
    frmEditTerrain();

    // Public member: the terrain type being edited.
    std::int16_t TerrNum = 0;

    void LoadTerrain();
    void ShowTerrain();
    void ShowSpPropertyFields();
    void SaveTerrain();

    void cmdPicPicture_Click();
    void cmdPicAnimated_Click();
    void cmdPicCustom_Click();
    void chkAnim_Click();
    void lstSpProperty_Click();
    void lstChoose_Click(int index, int entry);
    void txtExtra_Change(int index);
    void txtExtra_LostFocus(int index);
    void txtName_LostFocus();
    void txtShortcutKey_LostFocus();

    const TerrainCopy& Copy() const { return copy_; }

    QLabel* lblTerrNum = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* lblPict = nullptr;
    PictureBox* picTerrain = nullptr;
    QPushButton* cmdPicPicture = nullptr;
    QPushButton* cmdPicAnimated = nullptr;
    QPushButton* cmdPicCustom = nullptr;
    QCheckBox* chkAnim = nullptr;
    std::array<QRadioButton*, 6> optBlockage{};
    QCheckBox* chkFlyOver = nullptr;
    QCheckBox* chkBoatOver = nullptr;
    QCheckBox* chkHorseBlock = nullptr;
    std::array<QRadioButton*, 4> optSound{};
    QLineEdit* txtShortcutKey = nullptr;
    QLineEdit* txtLight = nullptr;
    QComboBox* lstTransform = nullptr;
    QComboBox* lstSpProperty = nullptr;
    std::array<QLabel*, 2> lblExtra{};
    std::array<QLineEdit*, 2> txtExtra{};
    std::array<QComboBox*, 2> lstChoose{};
    QLabel* lblTerrSet = nullptr;
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;

  protected:
    void LoadRecord() override { LoadTerrain(); }
    void ShowRecord() override { ShowTerrain(); }
    bool SaveRecord() override {
        SaveTerrain();
        return true;
    }
    void done(int result) override;
    int RecordCount() const override { return kLastTerrain + 1; }
    int RecordNumber() const override { return TerrNum; }
    void SetRecordNumber(int number) override { TerrNum = static_cast<std::int16_t>(number); }

  private:
    void BuildControls();
    QVBoxLayout* BuildPictureColumn();
    QGridLayout* BuildPropertyGrid();
    void FillPickLists();
    void ShowPicture();
    void SetPicture(std::int16_t picture);

    TerrainCopy copy_;
    ValueList* transformList_ = nullptr;
    // The pick lists are filled once for each opening, as the dialog is loaded.
    bool listsFilled_ = false;
};
