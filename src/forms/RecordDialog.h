#pragma once

#include "forms/HandlerGuard.h"
#include "forms/NumericBox.h"
#include "platform/qt/SharedForms.h"

#include <memory>
#include <vector>

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
//   Cancel (cmdCancel_Click, Esc, the frame's close box): Cancelled, then closes.
// A record step (arrow buttons) is built on the same parts: nothing while BadInput is set,
// commit the focused box, SaveRecord, step the record number, LoadAndShow.
// Opening from ShowModal is an opening; Qt's window activation (after a message box, or on
// returning from a child dialog) is not, and reloads nothing.
class RecordDialog : public ModalForm {
  public:
    enum class LoadOn { EveryOpening, FirstOpening };

    // Load the record at the next opening.
    bool NeedLoad = true;
    // The controls are being filled by code: control handlers do nothing meanwhile.
    bool Loading = false;
    // The verdict of the most recent numeric check; OK does nothing while it is set.
    bool BadInput = false;

    void OnOpening() final;
    void cmdOK_Click();
    void cmdCancel_Click();

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

  protected:
    explicit RecordDialog(LoadOn loadOn);

    virtual void LoadRecord() = 0;
    virtual void ShowRecord() = 0;
    virtual bool SaveRecord() = 0;
    virtual void Cancelled() {}

    // Clears NeedLoad, loads the working copy and shows it; also what a record step does.
    void LoadAndShow();

    // OK answers Enter and Cancel answers Esc.
    void SetButtons(QPushButton* ok, QPushButton* cancel);
    NumericBox& BindNumber(QLineEdit* box, NumberField field, NumberRule rule);

    template <class Sender, class Signal, class Handler>
    QMetaObject::Connection Connect(Sender* sender, Signal signal, Handler handler) {
        return ConnectGuarded(sender, signal, this, std::move(handler));
    }

    // Esc and the frame's close box are Cancel.
    void reject() override;

  private:
    // The bound numeric box that has the focus, if one has.
    NumericBox* FocusedNumber() const;

    LoadOn loadOn_;
    std::vector<std::unique_ptr<NumericBox>> numbers_;
};
