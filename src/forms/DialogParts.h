#pragma once

#include "platform/qt/PictureBox.h"

class QLabel;
class QWidget;

// The parts every dialog window shares besides its buttons.

// The dialog picture box picDlogPic: it draws dialog picture 16 (picture number 816) whenever
// it is painted.
class DialogPictureBox : public PictureBox {
  public:
    static constexpr int kPictureNumber = 816;
    static constexpr int kSide = 36;

    explicit DialogPictureBox(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

DialogPictureBox* AddDialogPicture(QWidget* dialog);

// The dialog's own title, a label inside the window (the title bar names the program).
QLabel* AddTitleLabel(QWidget* dialog, const char* text);
