#pragma once

#include "forms/RecordDialog.h"

class QLabel;
class QPushButton;
class MultiLineBox;
class PictureBox;

// The window that the editors of single strings of a table share: the text box, its number,
// Clear, the arrows that step through the table, OK and Cancel.
class SingleTextDialog : public RecordDialog {
  public:
    PictureBox* picDlogPic = nullptr;
    QLabel* lblNumberCaption = nullptr; // "Text number:" beside lblTextNum
    QLabel* lblTextNum = nullptr;
    MultiLineBox* txtText = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;

    virtual void cmdClear_Click() = 0;

  protected:
    explicit SingleTextDialog(int maxLength);

    // After an arrow the author goes on typing in the box.
    void FocusText();
};
