#pragma once

#include <QPlainTextEdit>
#include <string>

// A multi-line text box. Its length limit holds for typing and pasting only: a text set by code
// is shown whole. What the author types or pastes is cut to what still fits, one into a text
// already at or over the limit inserts nothing, and deleting always works. Line breaks are kept in
// the model as CR LF, as the files hold them; Tab moves on to the next control.
class MultiLineBox : public QPlainTextEdit {
  public:
    MultiLineBox(int maxLength, QWidget* parent);

    // The text in the model's Windows-1252 bytes.
    void SetModelText(const std::string& text);
    std::string ModelText() const;

  protected:
    // Pasted or dropped data is taken as plain text only, cut to what fits before the box takes
    // it. Data that holds no text inserts nothing: Qt's own handling fails on data of no format,
    // which is what a desktop's clipboard offers before anything has been copied.
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* event) override;
    // A move that still reports the left button after the author let it go ends the gesture.
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // Ends the press the box still takes as held: its drag, its selection and its auto-scroll.
    void EndGesture(const QMouseEvent& move);
    void Edited();
    // Whether the text the box now holds is one that undo or redo stepped to.
    bool SteppedThroughHistory(const QString& text) const;
    void Accept(const QString& text);
    // The text as shown, a line break as LF.
    QString ShownText() const;

    int maxLength_;
    bool settingText_ = false;
    // While text dragged within the box is dropped.
    bool movingWithin_ = false;
    // Whether the last text pasted or dropped was cut to what fits.
    bool insertionCut_ = false;
    // The text as it was before the edit being handled.
    QString accepted_;
    // The last text an edit of the author's left, and the undo steps that led there: a redo
    // that comes back to it steps to a text the box has held, however long.
    QString latest_;
    int latestSteps_ = 0;
    // The text last set by code, as shown and as the model held it.
    QString shownAtSet_;
    std::string modelAtSet_;
};
