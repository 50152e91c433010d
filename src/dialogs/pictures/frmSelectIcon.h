#pragma once

#include "platform/qt/SharedForms.h"

#include <array>
#include <cstdint>
#include <functional>

#include <QFrame>

class QLabel;
class QPushButton;
class QRadioButton;
class PictureBox;

// One picture cell of the picker: a picture box inside a frame that shows a single-line border
// when its picture is the one marked. A click anywhere on it counts as a click on the cell.
class PickerCell : public QFrame {
  public:
    explicit PickerCell(QWidget* parent);

    PictureBox* picture = nullptr;
    std::function<void()> clicked;

    void SetBorder(bool on);
    bool HasBorder() const;
    // The picture area takes width x height; the cell is 4 pixels larger each way.
    void SizeTo(int width, int height);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The picture picker: the author picks one picture of a kind, 36 to a page.
// Callers set PictureSet and PictureSelect, show it modally, then read CancelFlag and
// PictureSelect (the number within the kind; unchanged when cancelled).
class frmSelectIcon : public ModalForm {
  public:
    static constexpr int kCells = 36;

    frmSelectIcon();

    // Public members.
    bool CancelFlag = false;
    std::int32_t PictureSet = 0;
    std::int16_t PictureSelect = -1;

    void OnOpening() override { Form_Activate(); }
    void Form_Activate();
    void Form_Deactivate();
    void optSelect_Click(int index);
    void picSelect_Click(int index);
    void cmdScrollLeft_Click();
    void cmdScrollRight_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    std::int16_t CurrentPage() const { return currentPage_; }
    std::int16_t WorkingSelection() const { return workingSelection_; }

    std::array<QRadioButton*, kCells> optSelect{};
    std::array<PickerCell*, kCells> picSelect{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;
    PictureBox* picDlogPic = nullptr;

  protected:
    void reject() override; // Escape and the close box are Cancel

  private:
    void DrawIconPage();
    void HideAllCells();
    void ShowPage(std::int16_t page);
    void DrawPicture(int cell, std::int16_t n);

    bool loading_ = true;
    std::int16_t currentPage_ = 0;
    std::int16_t selectedCell_ = -1;
    std::int16_t pageFirst_ = 0;
    std::int16_t pageLast_ = 0;
    std::int16_t workingSelection_ = -1;
    std::int16_t maxPicture_ = 0;
    std::int16_t cellWidth_ = 0;
    std::int16_t cellHeight_ = 0;
};
