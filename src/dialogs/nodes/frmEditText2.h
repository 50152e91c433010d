#pragma once

#include "dialogs/nodes/MessageSlots.h"
#include "forms/RecordDialog.h"

#include <array>
#include <cstdint>

class QLabel;
class MultiLineBox;
class PictureBox;

// The two messages of a special node, in the node family of the special-node editor (its
// NodeSet). The opener passes the node's messages in Mess0 and Mess1 (negative: none yet, and
// the editor offers free slots) and reads them back; a message left empty comes back as -1.
class frmEditText2 : public RecordDialog {
  public:
    frmEditText2();

    std::int16_t Mess0 = -1;
    std::int16_t Mess1 = -1;

    PictureBox* picDlogPic = nullptr;
    QLabel* lblTextNum = nullptr;
    std::array<MultiLineBox*, 2> txtText{};

  protected:
    void LoadRecord() override; // finds free slots, or tells why there are none
    void ShowRecord() override;
    bool SaveRecord() override;

  private:
    // Whether message k is one this editor may read and write.
    bool Editable(int k) const;

    MessageFamily family_;
    TwoMessages messages_;
    bool closing_ = false;
};
