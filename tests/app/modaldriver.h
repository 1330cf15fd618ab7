#pragma once

#include <QAccessible>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

#include "app/lifecycle/windows.h"
#include "game/testfiles.h"

class QDialog;
class QListWidget;
class QTimer;

namespace orrowvale::testing {

// Plays the player's part in the modal windows that open while a test presses
// something: answers message boxes from a queue (Yes, or OK, when it is empty),
// types into input boxes, closes announcements with a double click, dialogues
// with "다음" and the turn report with Enter, picks rows in the chooser, and closes the guild and
// equipment windows after `inScreen`. Everything it saw is kept in `seen`, one line each (the turn
// report one line for each of its lines).
class ModalDriver : public QObject {
  public:
    ModalDriver();
    ~ModalDriver() override;

    void answer(std::initializer_list<QMessageBox::StandardButton> answers);
    // The text for the next input box, or the place to pick in the visit dialog.
    void type(const QString& text) { typed_ = text; }
    // The next input box is cancelled instead of answered.
    void cancelNextInput() { cancelInput_ = true; }
    // The rows to pick in the chooser, one a use, by their text; an empty text
    // cancels it. Without one queued the chooser is cancelled.
    void pick(std::initializer_list<QString> rows);

    QStringList seen;
    // Runs as each message box appears, before it is answered.
    std::function<void(const QString& text)> onBox;
    // Runs as each input box appears, before it is answered.
    std::function<void(QWidget* input)> onInput;
    // Plays the player's part in the guild and equipment windows when they open;
    // the window is closed afterwards if still open. Unset, they close at once.
    std::function<void(QDialog* window)> inScreen;

    // Plays `act` the next time the modal window named `window` (its object name,
    // e.g. "Tcommandform") is active; several queued for one window play in turn,
    // one each time it is active again. A party window with nothing queued is
    // closed, as by a player who only looked.
    void when(const QString& window, std::function<void(QWidget* window)> act);

  private:
    void tick();
    bool playQueued(QWidget* modal);
    // Runs `act` on `modal` outside this tick, so that the boxes and windows it
    // opens are answered too.
    void handleLater(QWidget* modal, std::function<void()> act);

    QTimer* timer_;
    std::deque<QMessageBox::StandardButton> answers_;
    QString typed_;
    QList<QPointer<QWidget>> handling_;
    std::deque<std::pair<QString, std::function<void(QWidget*)>>> queued_;
    bool cancelInput_ = false;
    std::deque<QString> picks_;
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

// Selects `row` of `list` as a screen reader or a switch device does: the row's
// "Toggle" action, with no click, no key and no move of the current row.
void selectAsAssistiveTool(QListWidget* list, int row);
// What a screen reader hears of `control`: its name, or another of its texts.
QString heard(QObject* control, QAccessible::Text what = QAccessible::Name);

}  // namespace orrowvale::testing
