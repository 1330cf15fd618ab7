#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace orrowvale {

class Windows;

// The visit dialog: the places of the city where the main character stands.
class Tgoform : public QDialog {
  public:
    explicit Tgoform(Windows& windows);

    // Fills the place list and shows the dialog; returns when it has closed.
    void prepareAndShow();
    void moveButtonClick();

  private:
    Windows& windows_;
    QComboBox* placeCombo;
    QPushButton* moveButton;
};

}  // namespace orrowvale
