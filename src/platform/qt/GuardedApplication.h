#pragma once

#include <QApplication>

// The application object of the program and of its tests. Its event dispatch is the backstop
// behind the handler guard of the form kit: a run-time error that escapes any event handler
// (a paint, a timer, a slot the kit did not connect) is shown in the error box with its
// number, and the program goes on with the next event.
class GuardedApplication : public QApplication {
  public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
