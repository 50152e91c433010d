#include "platform/MsgBox.h"

#include "platform/TextCodec.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace {
MsgBoxHook& InstalledHook() {
    static MsgBoxHook hook;
    return hook;
}

QMessageBox::Icon IconOf(int style) {
    switch (style & msgbox::IconMask) {
    case msgbox::Critical:
        return QMessageBox::Critical;
    case msgbox::Question:
        return QMessageBox::Question;
    case msgbox::Exclamation:
        return QMessageBox::Warning;
    case msgbox::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

MsgBoxResult DefaultAnswer(int style) {
    switch (style & msgbox::ButtonsMask) {
    case msgbox::YesNo:
    case msgbox::YesNoCancel:
        return MsgBoxResult::Yes;
    default:
        return MsgBoxResult::Ok;
    }
}
} // namespace

MsgBoxHook SetMsgBoxHook(MsgBoxHook hook) {
    MsgBoxHook previous = std::move(InstalledHook());
    InstalledHook() = std::move(hook);
    return previous;
}

MsgBoxResult MsgBox(const std::string& text, int style, const std::string& title) {
    if (InstalledHook()) return InstalledHook()(MsgBoxCall{text, style, title});

    // Without a window system (the command-line generators) the message still reaches a person.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", Utf8FromCp1252(title).c_str(),
                     Utf8FromCp1252(text).c_str());
        return DefaultAnswer(style);
    }

    QMessageBox box(IconOf(style), ToQString(title), ToQString(text));
    switch (style & msgbox::ButtonsMask) {
    case msgbox::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case msgbox::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case msgbox::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return MsgBoxResult::Cancel;
    case QMessageBox::Yes:
        return MsgBoxResult::Yes;
    case QMessageBox::No:
        return MsgBoxResult::No;
    default:
        return MsgBoxResult::Ok;
    }
}
