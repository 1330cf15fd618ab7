#pragma once

#include <QColor>
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace orrowvale {

class Windows;

// The guild's three kinds of fame as bars.
class Tfamform : public QDialog {
  public:
    explicit Tfamform(Windows& windows);

    // Returns when the player closes the window.
    void showFame();

  private:
    QProgressBar* addBar(const char* name, const char* caption, QColor colour);
    QLabel* addNumber(const char* name);

    Windows& windows_;
    QProgressBar* adventureBar;
    QProgressBar* politicalBar;
    QProgressBar* covertBar;
    QLabel* adventureNumber;
    QLabel* politicalNumber;
    QLabel* covertNumber;
    QLabel* needsLabel;
    QLabel* goalsLabel;
    QPushButton* okButton;
};

}  // namespace orrowvale
