#pragma once

#include <QDialog>

class QFrame;
class QKeyEvent;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace orrowvale {

// The announcement window: a story text that rolls up by itself, 3 pixels every
// 90 ms from 364 until the top of its panel reaches the end position, then
// closes. A double click, Escape, Enter or Space closes it at once. Any other key
// (an arrow, Page Down: the keys of a reader) stops the roll and keeps the whole
// text in the window, its caret on the first line, until it is closed.
class Tannounceform : public QDialog {
  public:
    Tannounceform();

    // Shows `text` under `caption` and returns when the window has closed.
    void showAnnouncement(const QString& text, const QString& caption, int endPosition);

    // One step of the roll, or the close once the end position is reached.
    void scrollTimerTick();
    // Ticks since the window was last shown.
    int ticks() const { return ticks_; }
    int panelTop() const;
    // Whether the roll was stopped for reading.
    bool isKeptForReading() const { return keptForReading_; }

    static constexpr int kStartTop = 364;
    static constexpr int kStep = 3;
    static constexpr int kInterval = 90;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void closeNow();
    void keepForReading();
    // Closes on the keys that close, keeps the window for any other; true when
    // the key was used.
    bool readingKey(const QKeyEvent& key);

    QFrame* scrollPanel;
    QPlainTextEdit* storyText;
    QPushButton* nextButton;
    QTimer* scrollTimer;
    int scrollEndPosition_ = 0;
    int ticks_ = 0;
    bool keptForReading_ = false;
};

}  // namespace orrowvale
