#pragma once

class QPushButton;
class QWidget;

namespace orrowvale {

// A push button with its caption and object name. It never takes Enter for itself:
// Enter belongs to the window's lists and to the one button a window makes its
// default with setDefault(true).
QPushButton* makeButton(QWidget* parent, const char* objectName, const char* caption);

}  // namespace orrowvale
