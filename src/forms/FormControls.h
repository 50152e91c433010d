#pragma once

#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

// Runs the handler, in the handler guard, when the box loses the focus to another control of
// its own window. Focus taken by a message box, a popup or another program, or lost because
// the window closes, is not a loss of focus.
void OnLostFocus(QLineEdit* box, std::function<void()> handler);

// Before a button acts, the box that has the focus is committed as if it had lost the focus,
// so that a value typed just before Enter is not lost.
void CommitFocusedBox(QWidget* window);
