#include "support/qt/QtStateGuard.h"

#include "platform/qt/SharedForms.h"
#include "platform/qt/SingleInstance.h"

void QtStateGuard::OnTestEnd(const ::testing::TestInfo&) {
    CheckHooksRemoved();
    if (SetModalFormHook({})) ADD_FAILURE() << "the test left a modal window hook installed";
    if (const std::size_t loaded = LoadedFormCount(); loaded > 0) {
        ADD_FAILURE() << "the test left " << loaded << " window(s) loaded";
        UnloadAllForms();
    }
    RestoreState();
    SetInstanceLockPathForTesting("");
}
