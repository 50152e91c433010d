#include "dialogs/nodes/frmEditShortText.h"

#include "dialogs/nodes/StringSlots.h"
#include "forms/MultiLineBox.h"
#include "scenario/Scenario.h"

#include <QLabel>

namespace {
constexpr int kLabelLimit = 30;
} // namespace

frmEditShortText::frmEditShortText() : SingleTextDialog(kLabelLimit) {}

bool frmEditShortText::Editable() const {
    return Context == 0 && TextNum >= 0 && TextNum < kButtonLabelCount;
}

int frmEditShortText::RecordCount() const {
    return kButtonLabelCount;
}

void frmEditShortText::ShowRecord() {
    lblTextNum->setText(QString::number(TextNum));
    if (Context == 0) lblNumberCaption->setText("Button Number:");
    txtText->SetModelText(
        Editable() ? Scen.ScenStrings[kButtonLabelBase + static_cast<std::size_t>(TextNum)]
                   : std::string());
    txtText->setEnabled(Editable());
    FocusText();
}

bool frmEditShortText::SaveRecord() {
    if (Editable())
        Scen.ScenStrings[kButtonLabelBase + static_cast<std::size_t>(TextNum)] =
            txtText->ModelText();
    return true;
}

void frmEditShortText::cmdClear_Click() {
    // An empty label, not the "*" of a free message slot.
    txtText->SetModelText("");
}
