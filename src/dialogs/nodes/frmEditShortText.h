#pragma once

#include "dialogs/nodes/SingleTextDialog.h"

#include <cstdint>

// One of the 60 dialog-button labels (Context 0: label TextNum is scenario string
// 260 + TextNum). With any other Context the number is shown and nothing is edited.
class frmEditShortText : public SingleTextDialog {
  public:
    frmEditShortText();

    std::int16_t TextNum = 0;
    std::uint8_t Context = 0;

    void cmdClear_Click() override;

  protected:
    void LoadRecord() override {}
    void ShowRecord() override;
    bool SaveRecord() override;
    int RecordCount() const override;
    int RecordNumber() const override { return TextNum; }
    void SetRecordNumber(int number) override { TextNum = static_cast<std::int16_t>(number); }

  private:
    bool Editable() const;
};
