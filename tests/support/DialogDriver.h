#pragma once

#include "platform/qt/SharedForms.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

// Plays the author on the town dialogs: opens a shared dialog as its opener does, with the
// modal hook showing it, and works its controls through widget events.
template <class Form>
Form& OpenDialog(const std::function<void(Form&)>& setup,
                 const std::function<void(Form&)>& action) {
    Form& form = SharedForm<Form>();
    setup(form);
    SetModalFormHook([&action](ModalForm& shown) {
        shown.show();
        shown.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
        action(static_cast<Form&>(shown));
    });
    ShowModal(form);
    SetModalFormHook({});
    return form;
}

// Clicks near the left edge, where an option button's circle and caption begin even when a
// layout has made the button wider than its caption.
inline void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      QPoint(std::min(widget->width() / 2, 8), widget->height() / 2));
}

// Types the text into the box in place of what it holds, then leaves it with Tab.
inline void TypeInto(QLineEdit* box, const QString& text, bool leave = true) {
    box->setFocus();
    box->selectAll();
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    if (leave) QTest::keyClick(box, Qt::Key_Tab);
}

// Picks a row of a drop-down list with the mouse, as the author does.
inline void ChooseRow(QComboBox* list, int row) {
    list->showPopup();
    auto* view = list->view();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    // Near the left edge: a narrow list's rows are wider than its popup.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      QPoint(4, view->visualRect(index).center().y()));
}
