#pragma once

#include <QWidget>

class QLabel;
class QShortcut;

namespace orrowvale {

class Windows;

// The key that reads the status panel from any window of the game in play.
inline constexpr const char* kStatusKey = "Ctrl+I";

// The status panel beside the map: money, the main character's city and the date.
class Tinsform : public QWidget {
  public:
    explicit Tinsform(Windows& windows);

    void refreshStatusPanel();
    // From any window of the game in play (Ctrl+I): the panel takes the keyboard,
    // on the gold, so that its values can be read.
    void statusShortcutActivated();
    // A short word on what was just done ("저장했습니다."), kept until the date moves.
    void showNote(const QString& note);
    // What the panel shows, as one sentence: "자금 1000 GP, 현재위치 은빛나루, ...".
    QString summary() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    Windows& windows_;
    QLabel* goldLabel;
    QLabel* cityLabel;
    QLabel* yearLabel;
    QLabel* monthLabel;
    QLabel* weekLabel;
    QLabel* turnLabel;
    QLabel* noteLabel;
    QShortcut* statusShortcut;
    // The turn the note was told on; -1 without a note.
    long long noteTurn_ = -1;
};

}  // namespace orrowvale
