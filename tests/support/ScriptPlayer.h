#pragma once

#include "forms/MultiLineBox.h"
#include "support/DialogDriver.h"

#include <QtWidgets>
#include <map>

// Plays the author on a window from a short script of steps, each one through widget events,
// and notes what the window shows along the way, so that a test compares one line of notes.

// A list as the author sees it: hidden, or its size, the entry selected and its text.
inline QString Seen(const QComboBox* list) {
    if (list->isHidden()) return "hidden";
    const int row = list->currentIndex();
    return QString("%1 #%2 %3").arg(list->count()).arg(row).arg(list->currentText()).trimmed();
}

// Types at the end of a box's text.
inline void Append(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

// What a control shows: "hidden", a list as Seen gives it (a list widget its size), a multi-line
// box its stored text.
inline QString Text(QWidget* w) {
    if (w->isHidden()) return "hidden";
    if (auto* list = qobject_cast<QComboBox*>(w)) return Seen(list);
    if (auto* list = qobject_cast<QListWidget*>(w)) return QString::number(list->count());
    if (auto* box = dynamic_cast<MultiLineBox*>(w)) return QString::fromStdString(box->ModelText());
    return w->isWindow() ? w->windowTitle() : w->property("text").toString();
}

// A window's controls by the names its scripts use.
using Controls = std::map<QString, QWidget*>;
// Adds the controls as name0, name1, ...
template <class Array> void Name(Controls& controls, const QString& name, const Array& all) {
    for (std::size_t i = 0; i < all.size(); ++i)
        controls[name + QString::number(i)] = all[i];
}

// Plays the steps of a script, separated by spaces, on the window through widget events:
// "name" clicks the control, "name=text" types the text in place of the box's and leaves it with
// Tab, "name:text" types it and presses Enter, "name+text" types it at the end of the box's
// text ("_" stands for a space), "name#n" chooses entry n of a list with the keyboard and
// "name@n" picks it with the mouse, "name!key" presses the key (as "Esc") in the control; "?"
// notes the window's state line and "?name" what the control shows. "focus" names the control
// that has the focus. The notes come back joined with
// "|".
inline QString Play(const Controls& controls, const std::function<QString()>& state,
                    const QString& script) {
    QStringList notes;
    for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
        const qsizetype cut = step.indexOf(QRegularExpression("[=:+#@!]"), 1);
        const QString name = step.left(cut).remove(QRegularExpression("^\\?"));
        const auto found = controls.find(name);
        QWidget* w = found != controls.end() ? found->second
                     : name == "focus"       ? QApplication::focusWidget()
                                             : nullptr;
        const QString arg = cut < 0 ? "" : step.mid(cut + 1).replace('_', ' ');
        auto* types = qobject_cast<QListWidget*>(w);
        if (step == "?") {
            notes << state();
        } else if (!w) {
            ADD_FAILURE() << "no control for the step " << step.toStdString();
        } else if (step[0] == '?') {
            notes << Text(w);
        } else if (cut < 0) {
            Click(w);
        } else if (step[cut] == '!') {
            QTest::keyClick(w, QKeySequence(arg)[0].key());
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            step[cut] == '@' ? ChooseRow(list, arg.toInt()) : Choose(list, arg.toInt());
        } else if (types) {
            types->scrollToItem(types->item(arg.toInt()));
            QTest::mouseClick(types->viewport(), Qt::LeftButton, {},
                              types->visualItemRect(types->item(arg.toInt())).center());
        } else if (step[cut] == '+') {
            Append(w, arg);
        } else if (auto* box = qobject_cast<QLineEdit*>(w)) {
            TypeInto(box, arg, step[cut] == '=');
            if (step[cut] == ':') QTest::keyClick(w, Qt::Key_Return);
        } else { // a multi-line box: its text replaced
            w->setFocus();
            QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(w, Qt::Key_Backspace);
            QTest::keyClicks(w, arg);
        }
    }
    return notes.join('|');
}
