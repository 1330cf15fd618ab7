#include "city/pubpatrons.h"

#include "world/dice.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

constexpr int kPresenceChance = 30;

bool canBeInThePub(const GameState& state, int number) {
    const TAdven& adventurer = state.adventurers[number];
    return !adventurer.isFree() && adventurer.location == state.currentCity &&
           adventurer.busyFlag == 0 && number != state.mainchrnum;
}

}  // namespace

std::vector<int> rollPresentAdventurers(const GameState& state, Dice& dice) {
    std::vector<int> present;
    for (int number = 1; number <= kMaxAdventurers; ++number)
        if (canBeInThePub(state, number) && dice.d100() <= kPresenceChance)
            present.push_back(number);
    return present;
}

}  // namespace orrowvale
