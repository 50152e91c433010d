#include "platform/qt/GuardedApplication.h"

#include "platform/core/ErrorBox.h"

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        try {
            ShowErrorBox("", CurrentExceptionAsRuntimeError());
        } catch (...) {
            // The box could not be shown either (no memory left): the event is dropped.
        }
        return false;
    }
}
