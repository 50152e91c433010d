#include "platform/EventPass.h"

#include <QCoreApplication>

void DoEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
