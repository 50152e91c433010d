#pragma once

#include <functional>
#include <string>

// Message boxes. Texts are Windows-1252, like every text of the model.
namespace msgbox {
// Buttons (low bits) and icons (next bits) are added together into one style.
constexpr int OkOnly = 0;
constexpr int OkCancel = 1;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;

constexpr int ButtonsMask = 7;
constexpr int IconMask = 112;
} // namespace msgbox

enum class MsgBoxResult { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct MsgBoxCall {
    std::string text;
    int style = 0;
    std::string title;
};

// Shows a modal message box and returns the button pressed.
MsgBoxResult MsgBox(const std::string& text, int style, const std::string& title);

// Tests answer message boxes instead of a person: while a hook is installed, MsgBox calls it
// and shows nothing. Returns the previous hook.
using MsgBoxHook = std::function<MsgBoxResult(const MsgBoxCall&)>;
MsgBoxHook SetMsgBoxHook(MsgBoxHook hook);

// The window system's message box, installed at start-up (InstallQtPlatform). Without one the
// message is printed on the error output and the default button is taken.
void SetMsgBoxImplementation(MsgBoxHook implementation);
