#include "platform/qt/EventPass.h"

#include <QCoreApplication>

void DoEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
