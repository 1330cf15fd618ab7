#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

#include "app/lifecycle/windows.h"
#include "game/testfiles.h"

class QTimer;

namespace orrowvale::testing {

// Plays the player's part in the modal windows that open while a test presses
// something: answers message boxes from a queue (Yes, or OK, when it is empty),
// types into input boxes, closes announcements with a double click and dialogues
// with "다음". Everything it saw is kept in `seen`, one line each.
class ModalDriver : public QObject {
  public:
    ModalDriver();
    ~ModalDriver() override;

    void answer(std::initializer_list<QMessageBox::StandardButton> answers);
    // The text for the next input box, or the place to pick in the visit dialog.
    void type(const QString& text) { typed_ = text; }

    QStringList seen;
    // Runs as each message box appears, before it is answered.
    std::function<void(const QString& text)> onBox;
    // Runs as each input box appears, before it is answered.
    std::function<void(QWidget* input)> onInput;

    // The player's next move in a window of the game that the driver does not know
    // by itself (the pub, its list, a conversation): `step` runs once that window,
    // named by its object name, is the modal window in front, and may open further
    // windows. Steps run in the order given. A window left without a step is closed
    // after two seconds and noted in `seen` as "stuck: NAME", so a test fails rather
    // than hangs.
    void inWindow(const QString& objectName, std::function<void(QWidget* window)> step);

  private:
    void tick();
    bool playStep(QWidget* modal);

    struct Step {
        QString window;
        std::function<void(QWidget*)> play;
    };
    std::deque<Step> steps_;
    QSet<QWidget*> busy_;
    QPointer<QWidget> waiting_;  // a window without a step, and since when
    qint64 waitingSince_ = 0;

    QTimer* timer_;
    std::deque<QMessageBox::StandardButton> answers_;
    QString typed_;
    QPointer<QWidget> handling_;
};

// The program's windows over a copy of the sample world, with fixed dice.
struct WindowsFixture {
    WindowsFixture();
    ~WindowsFixture();
    TempGameDir dir;
    std::unique_ptr<Windows> windows;
    GameState& state() { return *windows->state; }
    // Starts a random game as the player would, prologue closed.
    void startRandomGame(ModalDriver& driver);
};

}  // namespace orrowvale::testing
