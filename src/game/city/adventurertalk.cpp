#include "city/adventurertalk.h"

#include "Presenter.h"
#include "game.h"
#include "lifecycle/playlog.h"
#include "world/adventurer.h"
#include "world/dice.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

constexpr int kRecruitEntries = 999;

using Adventurers = Table<TAdven, kMaxAdventurers>;

// An ability the adventurer boasts of at 5 or more and calls ordinary below.
struct AbilityAnswer {
    int lastRoll;
    int stat;
    const char* proud;
    const char* plain;
};

constexpr AbilityAnswer kAbilityAnswers[] = {
    {45, kIntelligence, "저는 지능에는 자신있습니다.", "저는 지능은 그저 그런 수준입니다."},
    {50, kWisdom, "저는 지혜에는 자신있습니다.", "저는 지혜는 그저 그런 수준입니다."},
    {55, kDexterity, "저는 민첩에는 자신있습니다.", "저는 민첩은 그저 그런 수준입니다."},
    {60, kCharisma, "저는 지도력에는 자신있습니다.", "저는 지도력은 그저 그런 수준입니다."},
    {65, kHealth, "저는 건강에는 자신있습니다.", "저는 건강은 그저 그런 수준입니다."},
    {70, kStrength, "저는 힘에는 자신있습니다.", "저는 힘은 그저 그런 수준입니다."},
};

bool isMember(const GameState& state, int number) {
    const auto& list = state.guildRoster[1];
    for (int entry = 1; entry <= kRosterRowLength; ++entry)
        if (list[entry] == number) return true;
    return false;
}

}  // namespace

std::string greetingText(const TAdven& adventurer) {
    return "안녕하십니가?\n제 이름은 " + adventurer.name + "이고 " + adventurer.familyName +
           "가의 사람입니다.";
}

std::string classAnswer(const TAdven& adventurer) {
    return "제 직업은 " + className(adventurer.adventurerClass) + "입니다.";
}

std::string drinkAnswer(const TAdven& adventurer, int roll) {
    if (roll <= 10) return "이거, 고맙습니다!";
    if (roll <= 20) return "우왓, 술이다!";
    if (roll <= 30) return "저는 이래봬도 " + weaponName(adventurer.weapon1) + "에는 자신있습니다.";
    if (roll <= 40) return "술을 사시는 겁니까? 감사합니다.";
    for (const AbilityAnswer& answer : kAbilityAnswers)
        if (roll <= answer.lastRoll)
            return adventurer.stat(answer.stat) >= 5 ? answer.proud : answer.plain;
    if (roll <= 80) return "좋은 술이군요.";
    if (roll <= 85) return "감사합니다. 한잔 하시죠.";
    return "한턱 내시는 겁니까? 오늘은 운이 좋군!";
}

std::string startConversation(Game& game, int number) {
    if (!Adventurers::contains(number)) return {};
    RecordedAction recorded(game, "talk " + std::to_string(number));
    return greetingText(game.state.adventurers[number]);
}

std::string buyDrink(Game& game, int number) {
    if (!Adventurers::contains(number)) return {};
    RecordedAction recorded(game, "drink");
    --game.state.gold;
    game.presenter.refreshStatus();
    return drinkAnswer(game.state.adventurers[number], game.dice.d100());
}

int firstFreeMemberEntry(const GameState& state) {
    const auto& list = state.guildRoster[1];
    for (int entry = 1; entry <= kRecruitEntries; ++entry)
        if (list[entry] == 0) return entry;
    return 0;
}

Refusal joinRefusal(const GameState& state, int number) {
    if (!Adventurers::contains(number)) return std::nullopt;
    if (isMember(state, number)) return kAlreadyMember;
    if (firstFreeMemberEntry(state) == 0) return kMemberListFull;
    return std::nullopt;
}

JoinOutcome askToJoin(GameState& state, int number) {
    if (!Adventurers::contains(number) || joinRefusal(state, number)) return JoinOutcome::Refused;
    TAdven& adventurer = state.adventurers[number];
    // Summed wide, so that no fame near the ends of its range can wrap around.
    const long long fame =
        static_cast<long long>(state.adventureFame) + state.politicalFame + state.covertFame;
    if (kFamePerAbilityPoint * abilityTotal(adventurer) > fame) return JoinOutcome::Declined;
    state.guildRoster[1][firstFreeMemberEntry(state)] = number;
    adventurer.isGuildMember = 1;
    return JoinOutcome::Joined;
}

JoinOutcome askToJoin(Game& game, int number) {
    RecordedAction recorded(game, "join");
    return askToJoin(game.state, number);
}

}  // namespace orrowvale
