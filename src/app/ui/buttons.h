#pragma once

class QPushButton;
class QWidget;

namespace orrowvale {

// A push button with its caption and object name. It is no dialog's default of its
// own: Enter away from the buttons belongs to the window's lists and to the one
// button a window makes its default with setDefault(true).
QPushButton* makeButton(QWidget* parent, const char* objectName, const char* caption);

// In every window, Enter presses the push button that has the keyboard, as Space
// does: a player who moved to "취소" and pressed Enter meant "취소". Enter on
// anything else is left to the window (a list's row, a dialog's default button).
// Installed once for the application; calling it again does nothing.
void pressFocusedButtonsOnEnter();

}  // namespace orrowvale
