#pragma once

#include <string>

class QLineEdit;

// Small pieces shared by the dialogs of the scenario's own records.

// The longest text a scenario string holds; longer typing is refused as it is typed.
constexpr int kScenStringLimit = 255;

// Shows a stored text from its beginning.
void ShowWholeText(QLineEdit* box, const std::string& text);
// The box's text in the model's bytes.
std::string BoxText(const QLineEdit* box);
