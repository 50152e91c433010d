#pragma once

#include <QString>
#include <functional>

class QAbstractButton;
class QLineEdit;
class QWidget;

// Runs the handler, in the handler guard, when the box loses the focus to another control of
// its own window. Focus taken by a message box, a popup or another program, or lost because
// the window closes, is not a loss of focus.
void OnLostFocus(QLineEdit* box, std::function<void()> handler);

// Before a button acts, the box that has the focus is committed as if it had lost the focus,
// so that a value typed just before Enter is not lost.
void CommitFocusedBox(QWidget* window);

// A click of the mouse on the button takes the focus, as leaving a box for it does, once the
// click is complete and before the handlers of clicked that are connected after this call; a
// press alone takes none, nor do Enter and Space. A box's lost-focus handler may show a
// message, and one shown while the mouse button is still down would take the release, and
// with it the click.
void TakeFocusOnClick(QAbstractButton* button);
