#pragma once

#include "dialogs/nodes/MessageSlots.h"
#include "forms/RecordDialog.h"

#include <array>
#include <cstdint>

class QLabel;
class MultiLineBox;
class PictureBox;

// The six lines of text a dialog-box node shows: six consecutive messages of the node family
// of the special-node editor (its NodeSet). The opener passes the node's first message in Mess0
// (negative: none yet, and the editor finds six free slots in a row) and reads it back.
class frmEditText6 : public RecordDialog {
  public:
    frmEditText6();

    std::int16_t Mess0 = -1;

    PictureBox* picDlogPic = nullptr;
    QLabel* lblTextNum = nullptr;
    std::array<MultiLineBox*, kDialogLineCount> txtText{};

  protected:
    void LoadRecord() override; // finds the block, or tells why there is none and closes
    void ShowRecord() override;
    bool SaveRecord() override;

  private:
    MessageFamily family_;
    std::int16_t first_ = -1;
    bool editable_ = false;
};
