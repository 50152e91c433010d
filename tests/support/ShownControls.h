#pragma once

#include "support/DialogDriver.h"

#include <QLabel>
#include <QStringList>

// What the controls show: a label's or a box's text, a list's current entry.
inline QStringList Shown(std::initializer_list<const QWidget*> controls) {
    QStringList texts;
    for (const QWidget* c : controls) {
        if (const auto* label = qobject_cast<const QLabel*>(c)) texts.push_back(label->text());
        if (const auto* box = qobject_cast<const QLineEdit*>(c)) texts.push_back(box->text());
        if (const auto* list = qobject_cast<const QComboBox*>(c))
            texts.push_back(list->currentText());
    }
    return texts;
}

// Clicks each control in turn and notes what the control shown shows after each click.
inline QStringList ShownAfterClicks(const QWidget* shown, std::initializer_list<QWidget*> clicks) {
    QStringList texts;
    for (QWidget* c : clicks) {
        Click(c);
        texts += Shown({shown});
    }
    return texts;
}
