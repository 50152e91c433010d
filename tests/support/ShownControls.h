#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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
