#pragma once

#include <QComboBox>
#include <optional>

// A drop-down list that sizes itself exactly as QComboBox does, but measures each distinct
// entry text once in its window. QComboBox measures every entry again for its size hint, for
// its minimum size hint and once more at its first showing, and each list of a window measures
// the names the others have measured; on the largest scenarios a dialog's lists hold thousands
// of names, and measuring them made opening it slow. The widths are kept by the window and go
// with it.
class DropDownList : public QComboBox {
  public:
    explicit DropDownList(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Whether the hints are QComboBox's own measure of the entries, which this list repeats.
    bool MeasuresEntries() const;
    QSize Measure() const;

    mutable std::optional<QSize> hint_;
    mutable std::optional<QSize> minimumHint_;
    bool shownOnce_ = false;
};
