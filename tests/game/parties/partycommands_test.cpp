#include "parties/partycommands.h"

#include <gtest/gtest.h>

#include "game/parties/missionfixture.h"
#include "parties/dispatch.h"
#include "parties/travel.h"

namespace orrowvale::testing {
namespace {

using CommandList = MissionTest;

// The tooltip of the disabled "이동" and "모험" buttons and the simulator's refusal
// are this one reason; a party may leave exactly when there is none.
TEST_F(CommandList, APartyMayLeaveOnlyWhenNothingSaysWhyNot) {
    formParty(1, {1});
    formParty(2, {2});
    formParty(3, {3});
    startTravel(state, 2, 3, 2);
    startSearch(state, 3, "search\\alley.txt", 2);
    const struct {
        int party;
        Refusal why;
    } cases[] = {
        {1, std::nullopt},       {2, kPartyTravelling},
        {3, kPartyOnMission},    {4, kChoosePartyFirst},  // a free slot
        {0, kChoosePartyFirst},                           // no row chosen
        {-1, kChoosePartyFirst}, {kMaxParties + 1, kChoosePartyFirst},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(whyPartyCannotLeave(state, c.party), c.why) << c.party;
        EXPECT_EQ(canMoveOrDispatch(state, c.party), !c.why) << c.party;
    }
}

}  // namespace
}  // namespace orrowvale::testing
