#pragma once

#include "platform/qt/PictureBox.h"

#include <initializer_list>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QString;
class QWidget;

// The parts every dialog window shares: its heading with the record number, the record's
// picture, the record arrows, and OK and Cancel. A dialog builds only what is its own.

// The dialog picture box picDlogPic: it draws dialog picture 16 whenever it is painted. A few
// dialogs give it a box smaller than the picture, which shows the picture's top left.
class DialogPictureBox : public PictureBox {
  public:
    static constexpr int kSide = 36;

    explicit DialogPictureBox(QWidget* parent, int side = kSide);

    // Draws the picture once, for a box that shows it until something else is drawn there.
    static void DrawPicture(Surface& surface);

  protected:
    void DrawBeforePaint() override;

  private:
    static constexpr int kPictureNumber = 816;
};

DialogPictureBox* AddDialogPicture(QWidget* dialog, int side = DialogPictureBox::kSide);

// The dialog's own title, a label inside the window (the title bar names the program).
QLabel* AddTitleLabel(QWidget* dialog, const char* text);

// A label whose text wraps within the width the layout gives it.
QLabel* WrappedLabel(QWidget* parent, const char* text);

// ---- Headings

// The title row: the picture at the left, the title beside it, the rest of the row free.
QHBoxLayout* MakeTitleRow(QWidget* dialog, QWidget* picture, const char* title);

// The title row of a dialog with a note under its title: the picture at the left; beside it the
// title and, below the title, the note, wrapped, taking the rest of the row.
struct NotedTitle {
    QHBoxLayout* Row = nullptr;
    QLabel* Title = nullptr;
};
NotedTitle MakeNotedTitleRow(QWidget* dialog, QWidget* picture, const char* title,
                             const char* note);

// The heading of a numbered dialog: picture at the left over two rows, the title beside it
// and, below the title, numberCaption at the right with the label that shows the number.
struct NumberedHeading {
    QGridLayout* Grid = nullptr;
    QLabel* Caption = nullptr;
    QLabel* Number = nullptr;
};
NumberedHeading MakeNumberedHeading(QWidget* dialog, QWidget* picture, const char* title,
                                    const char* numberCaption);

// The heading of a dialog whose number stands on the title's row: picture at the left, the
// title, then numberCaption and the label that shows the number at the right; the note, when
// there is one, below them, with the picture beside both rows.
struct TitleNumberHeading {
    QGridLayout* Grid = nullptr;
    QLabel* Title = nullptr;
    QLabel* Number = nullptr;
};
TitleNumberHeading MakeTitleNumberHeading(QWidget* dialog, QWidget* picture, const char* title,
                                          const char* numberCaption, const char* note = nullptr);

// The heading row of a record editor: the caption at the left; at the right numberCaption and
// the label that shows the record's number, given back in number.
QHBoxLayout* MakeHeading(QWidget* parent, const QString& caption, const QString& numberCaption,
                         QLabel*& number);

// ---- The record's picture

// A picture box of width x height pixels.
PictureBox* MakePictureBox(QWidget* parent, int width, int height);

// The dialog picture box of a dialog that also draws its record's picture there: it starts
// with dialog picture 16, which the record's picture then replaces.
PictureBox* MakeRecordPicture(QWidget* parent);

// The row of a record's picture: its picture box, of the size of an item, monster or terrain
// picture, then the label that shows its number. The caller adds what follows them.
QHBoxLayout* MakePictureRow(QWidget* parent, PictureBox*& picture, QLabel*& number);

// ---- Arrows, OK and Cancel

// A left or right arrow button, drawn as an arrow picture, for stepping through records or
// pages. Enter never presses it.
QPushButton* MakeArrowButton(QWidget* parent, bool right);

// The record arrows written "<" and ">".
struct SignArrows {
    QPushButton* Left = nullptr;
    QPushButton* Right = nullptr;
};
SignArrows MakeSignArrows(QWidget* dialog);

// How OK and Cancel stand at the right of the foot row, and which of them Tab reaches first.
enum class Closing {
    OkCancel,      // OK, then Cancel; Tab reaches OK first
    CancelOk,      // Cancel, then OK; Tab reaches Cancel first
    CancelOkTabOk, // Cancel, then OK; Tab reaches OK first
    OkOnly,        // OK alone; there is no Cancel
};

// The foot row: the leading buttons at the left, the free space, the trailing buttons, then
// OK and Cancel, which are made here. The caller has made the buttons it passes, so Tab reaches
// them before OK and Cancel.
struct FootRow {
    QHBoxLayout* Row = nullptr;
    QPushButton* Ok = nullptr;
    QPushButton* Cancel = nullptr;
};
FootRow MakeFootRow(QWidget* dialog, Closing closing,
                    std::initializer_list<QPushButton*> leading = {},
                    std::initializer_list<QPushButton*> trailing = {});
