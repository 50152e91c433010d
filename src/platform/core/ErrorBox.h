#pragma once

#include "platform/core/RuntimeError.h"

#include <string>
#include <string_view>

// The box that the file procedures share when their error trap fires:
// "<procedure>Error encountered!" CR LF "Err# <n>, <description>", titled "Error", critical icon.
void ShowErrorBox(std::string_view procedureName, const RuntimeError& error);

std::string ErrorBoxText(std::string_view procedureName, const RuntimeError& error);

// Runs body with the procedure's error trap armed: a run-time error (or running out of memory)
// ends the body and is reported in the error box. Returns true when the body completed.
template <class Body> bool RunTrapped(std::string_view procedureName, Body&& body);

RuntimeError CurrentExceptionAsRuntimeError();

template <class Body> bool RunTrapped(std::string_view procedureName, Body&& body) {
    try {
        body();
        return true;
    } catch (...) {
        ShowErrorBox(procedureName, CurrentExceptionAsRuntimeError());
        return false;
    }
}
