#pragma once

#include "dialogs/nodes/SingleTextDialog.h"

#include <cstdint>
#include <string>

// Any string of the scenario's table (TextType 0), the current outdoor section's (1) or the
// current town's (2), edited in place: TextNum is its index. Clear makes it "*", which frees
// a message slot; the arrows store the text shown and step through the whole table.
class frmEditText : public SingleTextDialog {
  public:
    frmEditText();

    std::int16_t TextNum = 0;
    std::int32_t TextType = 0;
    // The table's highest index, set each time a string is shown.
    std::int16_t MaxText = 0;

    void cmdClear_Click() override;

  protected:
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;
    int RecordCount() const override { return MaxText + 1; }
    int RecordNumber() const override { return TextNum; }
    void SetRecordNumber(int number) override { TextNum = static_cast<std::int16_t>(number); }

  private:
    // The string edited, or nullptr when TextNum is not in the table.
    std::string* Slot();
};
