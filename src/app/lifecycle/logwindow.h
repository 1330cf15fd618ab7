#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orrowvale {

class Windows;

// "기록": everything the game in play has said, dated, oldest first, and a search
// field that keeps only the entries holding what is typed there. Opened from the
// map's menu or with Ctrl+L; it stays open beside the map.
class Tlogform : public QDialog {
  public:
    explicit Tlogform(Windows& windows);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showEntries();

    Windows& windows_;
    QLineEdit* searchEdit;
    QPlainTextEdit* logText;
    QPushButton* closeButton;
};

}  // namespace orrowvale
