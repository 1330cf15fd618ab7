#pragma once

class QLabel;
class QWidget;

namespace orrowvale {

// A label that shows a value (gold, a date, a risk). A screen reader hears the value
// itself (a label's name is its text) and what it is as the description; the
// keyboard can select the text.
QLabel* makeValueLabel(QWidget* parent, const char* objectName, const char* meaning);

}  // namespace orrowvale
