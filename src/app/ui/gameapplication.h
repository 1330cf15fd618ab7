#pragma once

#include <QApplication>
#include <QString>
#include <exception>

#include "app/ui/messages.h"

namespace orrowvale {

// The program's application object. Window handlers catch the errors of data and
// save files themselves; anything else a window lets escape (a table asked for an
// entry it does not have, memory running out) ends here instead of ending the
// program: the player sees an error box naming what failed, the event is dropped
// and the game goes on, so it can still be saved.
class GameApplication : public QApplication {
  public:
    GameApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// What the error box says about a fault that escaped a window.
PlayerText escapedFaultMessage(const std::exception_ptr& fault);

}  // namespace orrowvale
