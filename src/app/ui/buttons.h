#pragma once

class QPushButton;
class QWidget;

namespace orrowvale {

// A push button with its caption and object name. It never takes Enter for itself:
// Enter belongs to the window's lists and to the one button a window makes its
// default with setDefault(true).
QPushButton* makeButton(QWidget* parent, const char* objectName, const char* caption);

// In `window`, Enter presses the button that has the keyboard, as Space does: a
// player who moved to "취소" and pressed Enter meant "취소". Covers the buttons the
// window has when this is called; Enter on anything else is left to the window.
void pressFocusedButtonOnEnter(QWidget* window);

}  // namespace orrowvale
