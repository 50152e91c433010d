#include "forms/HandlerGuard.h"

#include "platform/core/ErrorBox.h"

void ReportHandlerError() noexcept {
    try {
        ShowErrorBox("", CurrentExceptionAsRuntimeError());
    } catch (...) {
        // Showing the box failed as well (no memory left): nothing more can be told.
    }
}
