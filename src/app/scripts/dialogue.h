#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace orrowvale {

// The dialogue window: one speaker's lines beside the speaker's name, closed with
// "다음" or the window's close box.
class Ttalkform : public QDialog {
  public:
    Ttalkform();

    // Returns when the player has read the lines.
    void showTalk(const QString& speaker, const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QFrame* speakerPanel;
    QLabel* speakerName;
    QPlainTextEdit* linesText;
    QPushButton* nextButton;
};

}  // namespace orrowvale
