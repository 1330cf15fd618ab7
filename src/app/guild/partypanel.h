#pragma once

#include "app/guild/adventurerpanel.h"

namespace orrowvale {

class Windows;

// The party panel, "파티 능력표": name, members, ratings and carried item.
class Tprtdtform : public TDetailPanel {
  public:
    explicit Tprtdtform(Windows& windows);

    // Fills the panel from the party's current state and shows it.
    void showPartyReport(int party);

  private:
    Windows& windows_;
};

}  // namespace orrowvale
