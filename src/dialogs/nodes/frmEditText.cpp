#include "dialogs/nodes/frmEditText.h"

#include "dialogs/nodes/StringSlots.h"
#include "forms/MultiLineBox.h"
#include "scenario/Scenario.h"

#include <QLabel>

namespace {
constexpr int kTextLimit = 255;
} // namespace

frmEditText::frmEditText() : SingleTextDialog(kTextLimit) {}

std::string* frmEditText::Slot() {
    const std::span<std::string> table = TextTableOf(Scen, TextType);
    if (TextNum < 0 || static_cast<std::size_t>(TextNum) >= table.size()) return nullptr;
    return &table[static_cast<std::size_t>(TextNum)];
}

void frmEditText::LoadRecord() {
    const std::size_t size = TextTableOf(Scen, TextType).size();
    MaxText = static_cast<std::int16_t>(size > 0 ? size - 1 : 0);
}

void frmEditText::ShowRecord() {
    lblTextNum->setText(QString::number(TextNum));
    const std::string* slot = Slot();
    // Shown exactly as stored, a leading "*" of a free slot included.
    txtText->SetModelText(slot ? *slot : std::string());
    txtText->setEnabled(slot != nullptr);
    FocusText();
}

bool frmEditText::SaveRecord() {
    if (std::string* slot = Slot()) *slot = txtText->ModelText();
    return true;
}

void frmEditText::cmdClear_Click() {
    txtText->SetModelText("*");
}
