#pragma once

#include <optional>
#include <string>

class QPushButton;
class QWidget;

namespace orrowvale {

// A push button with its caption, object name and tip, which says what it does (a
// caption such as "명령" or "동기화" does not say it all). It is no dialog's default
// of its own: Enter away from the buttons belongs to the window's lists and to the
// one button a window makes its default with setDefault(true).
QPushButton* makeButton(QWidget* parent, const char* objectName, const char* caption,
                        const char* tip);

// Allows `button`, or refuses it when the game refuses what it does. A refused button
// keeps its place in the Tab order, so that a screen reader reaches it and says why:
// it looks and reads as unavailable, the reason ("파티를 먼저 고르십시오.") is its tip
// and its description, and pressing it shows the reason instead of doing anything.
// Allowed again, its tip says once more what it does. A check button (a formation
// cell) is simply disabled, with the reason as its tip.
void allowUnless(QPushButton& button, const std::optional<std::string>& refusal);
// Refused by allowUnless, or disabled.
bool isRefused(const QPushButton* button);

// In every window, Enter presses the push button that has the keyboard, as Space
// does: a player who moved to "취소" and pressed Enter meant "취소". Enter on
// anything else is left to the window (a list's row, a dialog's default button).
// Installed once for the application; calling it again does nothing.
void pressFocusedButtonsOnEnter();

}  // namespace orrowvale
