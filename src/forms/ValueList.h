#pragma once

#include "forms/NumericBox.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class RecordDialog;

// A value list: a drop-down whose entry index is the value it stands for. Where a list offers
// an entry for no value first ("Not Assigned", "Unused", "No Item"), that entry stands for -1
// and the others are offset by one. A stored value that no entry stands for shows no
// selection, and the field keeps it until the author chooses an entry. Made by
// RecordDialog::BindList, which connects it; the dialog owns it.
class ValueList {
  public:
    ValueList(RecordDialog& dialog, QComboBox* list, NumberField field, QString noneEntry);

    // Replaces the entries (Windows-1252 texts, entry n standing for value n).
    void Fill(const std::vector<std::string>& entries);
    // Selects the field's entry, silently.
    void Show();
    // Runs after the author's choice has reached the field.
    void OnChosen(std::function<void()> handler) { chosen_ = std::move(handler); }

    QComboBox* list() const { return list_; }

  private:
    void Chosen(int index);
    int Offset() const { return noneEntry_.isEmpty() ? 0 : 1; }

    RecordDialog& dialog_;
    QComboBox* list_;
    NumberField field_;
    QString noneEntry_;
    std::function<void()> chosen_;
};
