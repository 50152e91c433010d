#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>

class QLineEdit;
class RecordDialog;

// How a numeric box is checked: its caption in the validator's messages, its bounds (equal
// bounds: no range test), what an emptied box shows and its field takes (0, or -1 where a
// field says so), and when the check runs.
struct NumberRule {
    enum class Check {
        OnChange,     // every change of the text; a rejected box gets its value back when left
        OnChangeKept, // every change of the text; a rejected entry stays when the box is left
        OnFocusLoss   // only when the box is left; a rejected entry is replaced at once
    };
    std::string caption;
    std::int16_t min = 0;
    std::int16_t max = 0;
    std::int16_t emptyValue = 0;
    Check check = Check::OnChange;
    // Shown (titled "Error!") when the box is left holding no number that the check let
    // through, such as a lone "-"; empty: the last good value comes back silently.
    std::string notNumericMessage = {};
};

// The working-copy field a box edits; its type is its width (byte or 16-bit).
using NumberField = std::variant<std::uint8_t*, std::int16_t*>;

// A text box bound once to a field of its dialog's working copy. Made by
// RecordDialog::BindNumber, which connects it; the dialog owns it.
class NumericBox {
  public:
    NumericBox(RecordDialog& dialog, QLineEdit* box, NumberField field, NumberRule rule);

    // Shows the field's value in the box, silently.
    void Show();
    // What leaving the box does: a rejected entry gets the field's last good value back,
    // otherwise the field takes the entry. Returns false when the entry was not taken.
    bool Commit();

    // Runs after the field has taken a value from the box.
    void OnCommitted(std::function<void()> handler) { committed_ = std::move(handler); }
    // New bounds for the checks to come (a field whose meaning follows another field).
    void SetBounds(std::int16_t min, std::int16_t max) {
        rule_.min = min;
        rule_.max = max;
    }

    QLineEdit* box() const { return box_; }
    const NumberRule& rule() const { return rule_; }
    // Checks the box's text by its rule, showing the rule's message for a rejected one, and
    // sets the dialog's error flag to the verdict. Returns whether the text passed.
    bool Validate();

  private:
    void TextChanged();
    void PutBack();
    std::int32_t FieldValue() const;
    bool Fits(std::int32_t value) const;

    RecordDialog& dialog_;
    QLineEdit* box_;
    NumberField field_;
    NumberRule rule_;
    std::function<void()> committed_;
};
