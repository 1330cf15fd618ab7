#pragma once

#include <optional>
#include <string>

class QAbstractButton;
class QPushButton;
class QWidget;

namespace orrowvale {

// A push button with its caption, object name and tip, which says what it does (a
// caption such as "명령" or "동기화" does not say it all). It is no dialog's default
// of its own: Enter away from the buttons belongs to the window's lists and to the
// one button a window makes its default with setDefault(true).
QPushButton* makeButton(QWidget* parent, const char* objectName, const char* caption,
                        const char* tip);

// Enables `button`, or disables it when the game refuses what it does: its tip then
// says why ("파티를 먼저 고르십시오."), for the mouse and a screen reader alike, and
// says again what it does once allowed.
void allowUnless(QAbstractButton& button, const std::optional<std::string>& refusal);

// In every window, Enter presses the push button that has the keyboard, as Space
// does: a player who moved to "취소" and pressed Enter meant "취소". Enter on
// anything else is left to the window (a list's row, a dialog's default button).
// Installed once for the application; calling it again does nothing.
void pressFocusedButtonsOnEnter();

}  // namespace orrowvale
