#include "platform/qt/SharedForms.h"

#include "platform/qt/EventPass.h"

#include <QApplication>
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
} // namespace

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
    // A dialog opens centred on the window it was opened from.
    if (QWidget* opener = QApplication::activeWindow(); opener && opener != &form)
        form.move(opener->frameGeometry().center() - form.rect().center());
    form.OnOpening();
    if (form.TakeCloseOnOpening()) {
        form.hide();
    } else if (InstalledHook()) {
        InstalledHook()(form);
        form.hide();
    } else {
        form.exec();
    }
    DoEvents();
}
