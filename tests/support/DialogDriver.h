#pragma once

#include "platform/qt/SharedForms.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <cxxabi.h>
#include <deque>
#include <gtest/gtest.h>

// Plays the author on the program's windows: reaches each opened window through a checked
// cast and works its controls through widget events only.

// Failure messages show a box's text as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The class name as written in the code, for failure messages.
inline std::string ClassName(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(type.name());
}

// Shows the window as the author sees it and waits until it has the focus.
inline void ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window)) << ClassName(typeid(window));
}

// Answers the modal windows opened while it lives, in turn, each with the action given for its
// class; a window of another class, or one more than the script holds, fails by name.
class WindowScript {
  public:
    WindowScript() {
        previous_ = SetModalFormHook([this](ModalForm& form) { Answer(form); });
    }
    ~WindowScript() {
        SetModalFormHook(std::move(previous_));
        EXPECT_TRUE(steps_.empty())
            << steps_.size() << " expected window(s) never opened, the first "
            << (steps_.empty() ? "" : steps_.front().name);
    }
    WindowScript(const WindowScript&) = delete;
    WindowScript& operator=(const WindowScript&) = delete;

    // The next window to open is a Form, answered by the action.
    template <class Form> void When(std::function<void(Form&)> action) {
        steps_.push_back(Step<Form>(std::move(action)));
    }

    // Opens the shared Form modally, as its opener does, after prepare has set its public
    // members; the windows that the action opens come after it.
    template <class Form>
    Form& Open(const std::function<void(Form&)>& prepare, std::function<void(Form&)> action) {
        Form& form = SharedForm<Form>();
        prepare(form);
        steps_.push_front(Step<Form>(std::move(action)));
        ShowModal(form);
        return form;
    }

  private:
    struct Entry {
        std::string name;
        std::function<void(ModalForm&)> act;
    };
    // The opened window reached through a checked cast: another class fails the test with both
    // names, and the test goes on (and ends) without acting on it.
    template <class Form> static Entry Step(std::function<void(Form&)> action) {
        return {ClassName(typeid(Form)), [action = std::move(action)](ModalForm& shown) {
                    if (auto* form = dynamic_cast<Form*>(&shown)) return action(*form);
                    ADD_FAILURE() << "expected " << ClassName(typeid(Form)) << " to open, but "
                                  << ClassName(typeid(shown)) << " opened";
                }};
    }

    void Answer(ModalForm& form) {
        if (steps_.empty()) {
            ADD_FAILURE() << "unexpected window " << ClassName(typeid(form));
            return;
        }
        Entry step = std::move(steps_.front());
        steps_.pop_front();
        QWidget* opener = QApplication::activeWindow();
        ShowActive(form);
        step.act(form);
        // A script ends by closing its window, as the author does; one that is still open
        // refused its OK or Cancel.
        EXPECT_FALSE(form.isVisible()) << ClassName(typeid(form)) << " is still open";
        // The opener is the active window again once this one is gone.
        form.hide();
        if (opener && opener->isVisible()) {
            opener->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(opener));
        }
    }

    std::deque<Entry> steps_;
    ModalFormHook previous_;
};

// Opens this very window modally, as its opener does, and runs the action while it is shown.
inline void OpenWindow(ModalForm& form, const std::function<void()>& action) {
    WindowScript script;
    script.When<ModalForm>([&](ModalForm& shown) {
        EXPECT_EQ(&shown, &form) << "opened " << ClassName(typeid(shown));
        if (&shown == &form) action();
    });
    ShowModal(form);
}

// Opens the shared Form as its opener does, after setup, and runs the action on it.
template <class Form>
Form& OpenDialog(const std::function<void(Form&)>& setup,
                 const std::function<void(Form&)>& action) {
    WindowScript script;
    return script.Open<Form>(setup, action);
}

// Clicks near the left edge, where an option button's circle and caption begin even when a
// layout has made the button wider than its caption.
inline void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      QPoint(std::min(widget->width() / 2, 6), widget->height() / 2));
}

// Types the text into the box in place of what it holds; typing over the selection replaces
// it at the first key, as the author's typing does.
inline void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    text.isEmpty() ? QTest::keyClick(box, Qt::Key_Backspace) : QTest::keyClicks(box, text);
}

// Leaves the focused box for the next control, as Tab does.
inline void Leave(QLineEdit* box) {
    QTest::keyClick(box, Qt::Key_Tab);
}

// Types the text, then leaves the box with Tab unless told to stay.
inline void TypeInto(QLineEdit* box, const QString& text, bool leave = true) {
    Type(box, text);
    if (leave) Leave(box);
}

// Chooses the entry with the keyboard.
inline void Choose(QComboBox* list, int entry) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < entry; ++i)
        QTest::keyClick(list, Qt::Key_Down);
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
