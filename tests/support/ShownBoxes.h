#pragma once

#include "platform/core/MsgBox.h"
#include "support/MsgBoxRecorder.h"

#include <string>
#include <vector>

// Every box shown, as "title|style|text", so that a test compares all of them in one go.
inline std::vector<std::string> Shown(const MsgBoxRecorder& boxes) {
    std::vector<std::string> shown;
    for (const MsgBoxCall& call : boxes.Calls())
        shown.push_back(call.title + "|" + std::to_string(call.style) + "|" + call.text);
    return shown;
}
using Boxes = std::vector<std::string>;
