#pragma once

#include "forms/HandlerGuard.h"
#include "forms/NumericBox.h"
#include "forms/ValueList.h"
#include "platform/qt/SharedForms.h"

#include <memory>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;

// The base of the program's dialogs that edit a working copy of records.
//
// A dialog supplies:
//   LoadRecord  copies the record(s) into its working copy;
//   ShowRecord  fills its controls from the working copy (Loading is set meanwhile; the bound
//               numeric boxes are filled by the base just before);
//   SaveRecord  writes the working copy back; returns false to keep the dialog open;
//   Cancelled   (optional) what Cancel does besides closing.
// It builds its controls in its constructor, calls SetButtons once, binds each numeric box
// once with BindNumber, and connects its own handlers with Connect, so that they run in the
// handler guard.
//
// The base does:
//   at each opening (ShowModal): clears BadInput, then loads and shows when NeedLoad is set;
//     a dialog made with LoadOn::EveryOpening sets NeedLoad at every opening, one made with
//     LoadOn::FirstOpening keeps its working copy until it is closed or sets NeedLoad itself;
//   OK (cmdOK_Click, Enter): nothing while BadInput is set; commits the focused box as if it
//     had lost the focus (a box checked on leaving is checked now, before BadInput); nothing
//     if that entry was rejected or BadInput is set; SaveRecord (false: stays open); closes;
//     a mouse click on OK or an arrow first takes the focus (once the click is complete, see
//     TakeFocusOnClick): a box holding a rejected entry gets its last good value back on
//     leaving, which clears BadInput, and the button then acts on that value (Enter leaves
//     the focus in the box, so over a rejected entry it does nothing); a dialog made with
//     ButtonClick::ActsAsEnter keeps the focus in the box instead, so that its click is
//     refused there as Enter is;
//   Cancel (cmdCancel_Click, Esc, the frame's close box): Cancelled, then closes;
//   the record arrows (SetArrows; cmdScrollLeft_Click, cmdScrollRight_Click): as OK up to
//     SaveRecord, then the record number steps by one within RecordCount, wrapping around at
//     both ends, and the record is loaded and shown;
//   value lists (BindList): filled once by the dialog, shown with the numeric boxes;
//   a dialog that cannot be used after all calls CloseOnOpening from LoadRecord or
//     OpeningLoad, and is then not seen; its working copy is loaded again at the next opening.
// A dialog may also supply:
//   OpeningLoad  what an opening that loads does (by default LoadAndShow);
//   Accepted     what OK does after SaveRecord, before the dialog closes;
//   RecordCount, RecordNumber, SetRecordNumber  for the record arrows.
// Opening from ShowModal is an opening; Qt's window activation (after a message box, or on
// returning from a child dialog) is not, and reloads nothing.
// Sets a dialog's Loading flag for as long as it lives and then gives the flag back the value
// it had, so that controls filled by code do not act as if the author had changed them.
class LoadingScope {
  public:
    explicit LoadingScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~LoadingScope() { flag_ = was_; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

  private:
    bool& flag_;
    bool was_;
};

class RecordDialog : public ModalForm {
  public:
    enum class LoadOn { EveryOpening, FirstOpening };
    // Whether a mouse click on OK or a record arrow takes the focus from the box that has it.
    enum class ButtonClick { TakesFocus, ActsAsEnter };

    // Load the record at the next opening.
    bool NeedLoad = true;
    // The controls are being filled by code: control handlers do nothing meanwhile.
    bool Loading = false;
    // The verdict of the most recent numeric check; OK does nothing while it is set.
    bool BadInput = false;

    void OnOpening() final;
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdScrollLeft_Click() { StepRecord(-1); }
    void cmdScrollRight_Click() { StepRecord(1); }

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

  protected:
    explicit RecordDialog(LoadOn loadOn, ButtonClick buttonClick = ButtonClick::TakesFocus);

    virtual void LoadRecord() = 0;
    virtual void ShowRecord() = 0;
    virtual bool SaveRecord() = 0;
    virtual void Cancelled() {}
    virtual void OpeningLoad() { LoadAndShow(); }
    virtual void Accepted() {}
    virtual int RecordCount() const { return 1; }
    virtual int RecordNumber() const { return 0; }
    virtual void SetRecordNumber(int) {}

    // Clears NeedLoad, loads the working copy and shows it; also what a record step does.
    void LoadAndShow();

    // OK answers Enter and Cancel answers Esc.
    void SetButtons(QPushButton* ok, QPushButton* cancel);
    NumericBox& BindNumber(QLineEdit* box, NumberField field, NumberRule rule);
    // A value list of the field; noneEntry, when given, is the leading entry for -1.
    ValueList& BindList(QComboBox* list, NumberField field, QString noneEntry = {});
    // The record arrows: left steps back, right steps on.
    void SetArrows(QPushButton* left, QPushButton* right);

    template <class Sender, class Signal, class Handler>
    QMetaObject::Connection Connect(Sender* sender, Signal signal, Handler handler) {
        return ConnectGuarded(sender, signal, this, std::move(handler));
    }

    // Esc and the frame's close box are Cancel.
    void reject() override;

  private:
    // The bound numeric box that has the focus, if one has.
    NumericBox* FocusedNumber() const;
    // Takes over the focused box before a button acts; false when the button must not act.
    bool CommitBeforeAction();
    void StepRecord(int step);

    // Gives OK or an arrow the focus policy that the dialog's click rule asks for.
    void SetClickFocus(QPushButton* button) const;

    LoadOn loadOn_;
    ButtonClick buttonClick_;
    std::vector<std::unique_ptr<NumericBox>> numbers_;
    std::vector<std::unique_ptr<ValueList>> lists_;
};
