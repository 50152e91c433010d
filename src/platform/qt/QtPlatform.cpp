#include "platform/qt/QtPlatform.h"

void InstallQtPlatform() {
    SetMsgBoxImplementation(ShowQtMsgBox);
    SetFileDialogImplementation(ShowQtFileDialog);
}
