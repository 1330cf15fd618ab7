#pragma once

#include "app/ui/slotlist.h"

namespace orrowvale {

class Windows;

// The save window: the ten slots with the date saved in each; the chosen one is
// written with the game in play.
class Tsaveform : public TSlotWindow {
  public:
    explicit Tsaveform(Windows& windows);

  protected:
    bool useSlot(int slot) override;
    void showFailure(int slot, const DataError& error) override;

  private:
    Windows& windows_;
};

}  // namespace orrowvale
