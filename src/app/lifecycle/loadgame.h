#pragma once

#include "app/ui/slotlist.h"

namespace orrowvale {

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
    Windows& windows_;
};

}  // namespace orrowvale
