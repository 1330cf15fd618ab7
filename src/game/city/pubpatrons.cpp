#include "city/pubpatrons.h"

#include "game.h"
#include "lifecycle/playlog.h"
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

ListRows rollPubCompany(Game& game) {
    RecordedAction recorded(game, "look");
    ListRows company;
    for (int number : rollPresentAdventurers(game.state, game.dice))
        company.push_back(adventurerRow(game.state, number, number, MainCharacterMark::Shown));
    return company;
}

ListRows endConversation(Game& game) {
    RecordedAction recorded(game, "bye");
    return rollPubCompany(game);
}

}  // namespace orrowvale
