#pragma once

#include "forms/RecordDialog.h"

#include <cstdint>

class QLineEdit;
class PictureBox;

// Asks for the width and height, in tiles, of a custom monster picture.
class frmMonstPicSize : public RecordDialog {
  public:
    frmMonstPicSize();

    // Public members: set by the caller (or left from the last use), read after the dialog
    // closes; OK writes them, Cancel leaves them.
    std::int16_t PicWidth = 0;
    std::int16_t PicHeight = 0;

    void ShowSize();
    void ReadSize();
    void txtPicWidth_Change();
    void txtPicHeight_Change();

    PictureBox* picDlogPic = nullptr;
    QLineEdit* txtPicWidth = nullptr;
    QLineEdit* txtPicHeight = nullptr;

  protected:
    void LoadRecord() override {}
    void ShowRecord() override { ShowSize(); }
    bool SaveRecord() override;
};
