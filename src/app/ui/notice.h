#pragma once

class QLabel;
class QString;
class QWidget;

namespace orrowvale {

// A line a screen reader says the moment it changes, wherever the keyboard is: to an
// assistive tool the label is a notification, and it appears anew with each text,
// as a reader expects a notification to. Installed before the label is first read.
void makeNotice(QLabel* label);

// Shows `text` in the notice, which a screen reader then says; an empty text hides it.
void showNotice(QLabel* label, const QString& text);

// A notice only a screen reader meets: no room in the window, nothing drawn. For
// what the window already shows elsewhere, said again as the player changes it.
QLabel* makeUnseenNotice(QWidget* parent, const char* objectName);

}  // namespace orrowvale
