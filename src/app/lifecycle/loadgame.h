#pragma once

#include <vector>

#include "app/ui/slotlist.h"
#include "messagelog.h"

namespace orrowvale {

class PlayerText;
class Windows;

// The load window: the ten slots; the chosen one replaces the game and play goes
// on in the map window.
class Tloadform : public TSlotWindow {
  public:
    explicit Tloadform(Windows& windows);

  protected:
    bool useSlot(int slot) override;
    void showFailure(int slot, const DataError& error) override;
    void slotUsed() override;

  private:
    // Tells the player of a failure and keeps the box in the log.
    void tellFailure(const PlayerText& text);

    Windows& windows_;
    // The boxes shown since the last game was loaded: the log of the game loaded next
    // holds them too, for the player read them on the way to it.
    std::vector<LogEntry> told_;
};

}  // namespace orrowvale
