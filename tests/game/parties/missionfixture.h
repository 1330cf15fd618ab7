#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "game/scripts/scriptfixture.h"
#include "parties/party.h"

namespace orrowvale::testing {

// Three cities, the third of another nation, and parties of identical warriors.
class MissionTest : public ScriptTest {
  protected:
    using Lines = std::vector<std::string>;

    MissionTest() {
        state.cityCount = 3;
        state.cityNames[1] = "가람";
        state.cityNames[2] = "나루";
        state.cityNames[3] = "다솜";
        state.cityNations[1] = state.cityNations[2] = 1;
        state.cityNations[3] = 2;
        state.playerNation = 1;
    }

    // Party `number` named `name` standing in city 1, led by its first member. Each
    // member has 4 in every ability: 24 in all, a transport rating of 8.
    int formParty(int number, std::initializer_list<int> members, std::string name = "매") {
        TParty& p = state.parties[number];
        p.inUse = true;
        p.location = 1;
        p.partyName = std::move(name);
        p.leader = *members.begin();
        for (int n : members) {
            TAdven& a = state.adventurers[n];
            a.name = "단원" + std::to_string(n);
            a.adventurerClass = kWarrior;
            a.stats.fill(4);
            a.location = 1;
            addMember(state, number, n);
        }
        return number;
    }
};

}  // namespace orrowvale::testing
