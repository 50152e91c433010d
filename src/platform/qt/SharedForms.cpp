#include "platform/qt/SharedForms.h"

#include "platform/qt/EventPass.h"
#include "platform/qt/WindowPlace.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <algorithm>
#include <vector>

namespace {
struct LoadedForm {
    std::type_index type;
    QWidget* form;
};

std::vector<LoadedForm>& LoadedForms() {
    static std::vector<LoadedForm> forms;
    return forms;
}

ModalFormHook& InstalledHook() {
    static ModalFormHook hook;
    return hook;
}

// The program's main window; the active window while none is shown.
QWidget* MainWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(window) && window->isVisible()) return window;
    return QApplication::activeWindow();
}

} // namespace

// A dialog's size is known only once its layout has run: a dialog never shown before would
// otherwise be placed by a default size.
void CentreOverMainWindow(QDialog& form) {
    const QWidget* main = MainWindow();
    if (!main || main == &form) return;
    if (QLayout* layout = form.layout()) layout->activate();
    if (!form.testAttribute(Qt::WA_Resized)) form.adjustSize();
    PlaceCentredOver(form, *main);
}

QWidget* FindLoadedForm(std::type_index type) {
    for (const auto& loaded : LoadedForms())
        if (loaded.type == type) return loaded.form;
    return nullptr;
}

void RegisterLoadedForm(std::type_index type, QWidget* form) {
    LoadedForms().push_back({type, form});
    // A window destroyed by other means must not stay in the list.
    QObject::connect(form, &QObject::destroyed, [form] {
        auto& forms = LoadedForms();
        forms.erase(std::remove_if(forms.begin(), forms.end(),
                                   [form](const LoadedForm& f) { return f.form == form; }),
                    forms.end());
    });
}

std::size_t LoadedFormCount() {
    return LoadedForms().size();
}

void UnloadForm(QWidget* form) {
    form->close();
    delete form;
}

void UnloadAllForms() {
    UnloadAllFormsExcept(nullptr);
}

void UnloadAllFormsExcept(QWidget* kept) {
    for (std::size_t i = LoadedForms().size(); i-- > 0;) {
        if (i >= LoadedForms().size()) continue; // a window took others with it
        QWidget* form = LoadedForms()[i].form;
        if (form != kept) UnloadForm(form);
    }
}

ModalFormHook SetModalFormHook(ModalFormHook hook) {
    ModalFormHook previous = std::move(InstalledHook());
    InstalledHook() = std::move(hook);
    return previous;
}

void ShowModal(ModalForm& form) {
    form.OnOpening();
    if (form.TakeCloseOnOpening()) {
        form.hide();
        DoEvents();
        return;
    }
    CentreOverMainWindow(form);
    if (InstalledHook()) {
        InstalledHook()(form);
        form.hide();
    } else {
        form.exec();
    }
    DoEvents();
}
