#include "dialogs/records/ScenarioFormParts.h"

#include "platform/qt/QtText.h"

#include <QLineEdit>

void ShowWholeText(QLineEdit* box, const std::string& text) {
    box->setText(ToQString(text));
    // A long text is shown from its beginning.
    box->setCursorPosition(0);
}

std::string BoxText(const QLineEdit* box) {
    return FromQString(box->text());
}
