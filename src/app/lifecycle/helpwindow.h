#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;
class QTextBrowser;

namespace orrowvale {

// "도움말": what a new player needs to know, in pages: how a turn and the date go,
// what each window is for, and the keys. F1 in any window of the game opens the page
// of the window in front.
class Thelpform : public QDialog {
  public:
    Thelpform();

    // Shows the page for the window named `window` (every window is named after its
    // class, as "Tcommform"), or the first page when none is about it.
    void showPageFor(const QString& window);
    int pageCount() const;

  private:
    void showPage(int page);

    QListWidget* topicList;
    QTextBrowser* helpText;
    QPushButton* closeButton;
};

}  // namespace orrowvale
