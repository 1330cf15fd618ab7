#pragma once

class QPushButton;
class QString;
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

// A button the player cannot press now keeps its place in the Tab order, so that a
// screen reader reaches it and says why: it looks and reads as unavailable, the
// reason is its tip and its description, and pressing it shows the reason instead of
// doing anything. An empty `reason` makes it a plain button again, with `hint` as its
// tip. A check button (a formation cell) is simply disabled with the reason as its tip.
void setRefusal(QPushButton* button, const QString& reason, const QString& hint);
void setRefusal(QPushButton* button, const QString& reason);
// Refused with a reason by setRefusal, or disabled.
bool isRefused(const QPushButton* button);

}  // namespace orrowvale
