#include "parties/missions.h"

namespace orrowvale {

// Travel and the five mission kinds come with the routes and the missions; until
// they are built a party on the road or on a mission stays where it is, turn after
// turn, and nothing is reported.
void travelStep(Game&, int) {}
void missionStep(Game&, int) {}

}  // namespace orrowvale
