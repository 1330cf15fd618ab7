#pragma once

#include <QWidget>

class QLabel;

namespace orrowvale {

class Windows;

// The status panel beside the map: money, the main character's city and the date.
class Tinsform : public QWidget {
  public:
    explicit Tinsform(Windows& windows);

    void refreshStatusPanel();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    Windows& windows_;
    QLabel* goldLabel;
    QLabel* cityLabel;
    QLabel* yearLabel;
    QLabel* monthLabel;
    QLabel* weekLabel;
    QLabel* turnLabel;
};

}  // namespace orrowvale
