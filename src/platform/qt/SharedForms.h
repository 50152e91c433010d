#pragma once

#include <QDialog>
#include <functional>
#include <typeindex>
#include <utility>

// Every window of the program exists as one shared instance, created on first use and kept
// until it is unloaded. The loaded windows are remembered in the order they were created, so
// that shutdown can close them from the last to the first.

QWidget* FindLoadedForm(std::type_index type);
void RegisterLoadedForm(std::type_index type, QWidget* form);

// The shared instance of a window class, created on first use.
template <class Form> Form& SharedForm() {
    if (QWidget* existing = FindLoadedForm(typeid(Form))) return *static_cast<Form*>(existing);
    auto* form = new Form();
    RegisterLoadedForm(typeid(Form), form);
    return *form;
}

template <class Form> bool IsFormLoaded() {
    return FindLoadedForm(typeid(Form)) != nullptr;
}

// How many windows are loaded now.
std::size_t LoadedFormCount();

// Closes and destroys one window; it is created afresh on its next use.
void UnloadForm(QWidget* form);

// Closes and destroys every loaded window, the last created first.
void UnloadAllForms();
void UnloadAllFormsExcept(QWidget* kept);

// A window that the program shows modally. OnOpening runs once for each opening, before the
// window is seen; it is the place where a dialog loads its working copy.
class ModalForm : public QDialog {
  public:
    using QDialog::QDialog;
    virtual void OnOpening() {}

    // Asked for by OnOpening: the window closes at once, without being seen (a dialog that
    // has told the author why it cannot be used).
    void CloseOnOpening() { closeOnOpening_ = true; }
    bool ClosingOnOpening() const { return closeOnOpening_; }
    bool TakeCloseOnOpening() { return std::exchange(closeOnOpening_, false); }

  private:
    bool closeOnOpening_ = false;
};

// Shows the window modally and waits until it closes, then gives pending window events one
// pass so that the windows it covered repaint before the opener reads the results.
void ShowModal(ModalForm& form);

// Places a dialog centred over the main window, as every opening does.
void CentreOverMainWindow(QDialog& form);

// Tests act on a modal window instead of a person: while a hook is installed, ShowModal runs
// OnOpening, then calls the hook with the window (which sets controls and presses buttons),
// and never blocks. Returns the previous hook.
using ModalFormHook = std::function<void(ModalForm&)>;
ModalFormHook SetModalFormHook(ModalFormHook hook);
