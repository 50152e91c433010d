#pragma once

#include "platform/core/FileDialog.h"
#include "platform/core/MsgBox.h"

// The Qt implementations of the platform's entry points that show something to a person.
// The program and the test programs install them once, after the application object exists.
void InstallQtPlatform();

MsgBoxResult ShowQtMsgBox(const MsgBoxCall& call);
FileDialogResult ShowQtFileDialog(const FileDialogRequest& request);
