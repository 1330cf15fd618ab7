#include "guild/partysetup.h"

#include <algorithm>

#include "Presenter.h"
#include "game.h"
#include "guild/equipment.h"
#include "guild/guildwindow.h"
#include "lifecycle/playlog.h"
#include "parties/party.h"
#include "world/gamestate.h"
#include "world/particles.h"
#include "world/statelimits.h"

namespace orrowvale {
namespace {

bool isParty(const GameState& state, int party) {
    return PartyTable::contains(party) && state.parties[party].inUse;
}

bool isMemberSlot(const GameState& state, int party, int slot) {
    return isParty(state, party) && slot >= 1 && slot <= kPartySize &&
           state.parties[party].members[slot] != 0;
}

// Why the party's members, leader and formation cannot change now.
Refusal awayRefusal(const TParty& p) {
    if (p.onMission) return kPartyOnMission;
    if (p.travelling) return kPartyTravelling;
    return std::nullopt;
}

// Nothing when `allowed`, else `reason`.
Refusal unless(bool allowed, const char* reason) {
    if (allowed) return std::nullopt;
    return reason;
}

static_assert(kMaxTextCharacters == 100, "kPartyNameTooLong tells the player the limit");

bool isBlank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

ListRows partyRows(const GameState& state) {
    ListRows rows;
    for (int party = 1; party <= kMaxParties; ++party)
        if (state.parties[party].inUse) rows.push_back({party, partyRowText(state, party)});
    return rows;
}

ListRows memberRows(const GameState& state, int party) {
    ListRows rows;
    if (!isParty(state, party)) return rows;
    const TParty& p = state.parties[party];
    for (int slot = 1; slot <= kPartySize; ++slot)
        if (p.members[slot] != 0)
            rows.push_back(adventurerRow(state, slot, p.members[slot], MainCharacterMark::Shown));
    return rows;
}

std::string leaderName(const GameState& state, int party) {
    if (!PartyTable::contains(party)) return {};
    const int leader = state.parties[party].leader;
    if (!Table<TAdven, kMaxAdventurers>::contains(leader)) return {};
    return fullName(state.adventurers[leader]);
}

std::array<bool, 9> formationMarks(const GameState& state, int party, int slot) {
    std::array<bool, 9> marks{};
    if (!isMemberSlot(state, party, slot)) return marks;
    const TParty& p = state.parties[party];
    for (int position = 1; position <= kPartySize; ++position)
        marks[static_cast<std::size_t>(position - 1)] = p.formation[position] == slot;
    return marks;
}

namespace {

// A name short enough for a grid button: its first kGridNameLength letters.
constexpr std::size_t kGridNameLength = 3;

std::string shortName(const std::string& name) {
    std::size_t letters = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const bool startsLetter = (static_cast<unsigned char>(name[i]) & 0xC0) != 0x80;
        if (startsLetter && letters++ == kGridNameLength) return name.substr(0, i);
    }
    return name;
}

}  // namespace

std::array<std::string, 9> formationNames(const GameState& state, int party) {
    std::array<std::string, 9> names{};
    if (!isParty(state, party)) return names;
    const TParty& p = state.parties[party];
    for (int position = 1; position <= kPartySize; ++position) {
        const int slot = p.formation[position];
        if (slot < 1 || slot > kPartySize) continue;
        const int adventurer = p.members[slot];
        if (!Table<TAdven, kMaxAdventurers>::contains(adventurer)) continue;
        std::string& cell = names[static_cast<std::size_t>(position - 1)];
        cell = shortName(fullName(state.adventurers[adventurer]));
        if (adventurer == p.leader) cell += kLeaderMark;
    }
    return names;
}

Refusal partySetupRefusal(const GameState& state) {
    return guildWindowRefusal(state);
}

Refusal setupRefusal(const GameState& state, SetupAction action, int party, int slot) {
    if (Refusal closed = partySetupRefusal(state)) return closed;
    if (action == SetupAction::Found) return std::nullopt;
    if (!isParty(state, party)) return kChoosePartyFirst;
    const TParty& p = state.parties[party];
    switch (action) {
        case SetupAction::Rename:
        case SetupAction::Defence:
            return std::nullopt;
        case SetupAction::Info:
            return unless(isMemberSlot(state, party, slot), kChooseMemberFirst);
        case SetupAction::Add:
            if (Refusal away = awayRefusal(p)) return away;
            return unless(memberCount(state, party) < kPartySize, kPartyFull);
        case SetupAction::Disband:
            return awayRefusal(p);
        case SetupAction::Leader:
        case SetupAction::Remove:
        case SetupAction::Place:
            if (Refusal away = awayRefusal(p)) return away;
            return unless(isMemberSlot(state, party, slot), kChooseMemberFirst);
        case SetupAction::Found:
            break;
    }
    return std::nullopt;
}

bool placeMember(GameState& state, int party, int slot, int position) {
    if (setupRefusal(state, SetupAction::Place, party, slot)) return false;
    if (position < 1 || position > kPartySize) return false;
    TParty& p = state.parties[party];
    const std::optional<int> from = positionOf(state, party, slot);
    const int standing = p.formation[position];
    // A member without a place may only step onto an empty one: nobody is pushed
    // off the grid.
    if (!from) {
        if (standing != 0) return false;
    } else {
        p.formation[*from] = standing;
    }
    p.formation[position] = slot;
    return true;
}

bool makeLeader(GameState& state, int party, int slot) {
    if (setupRefusal(state, SetupAction::Leader, party, slot)) return false;
    TParty& p = state.parties[party];
    p.leader = p.members[slot];
    return true;
}

// The scripted player names a member by its adventurer number, not its slot.
static std::string memberWords(const GameState& state, int party, int slot) {
    return std::to_string(party) + " " + std::to_string(state.parties[party].members[slot]);
}

bool placeMember(Game& game, int party, int slot, int position) {
    RecordedAction recorded(game);
    if (!placeMember(game.state, party, slot, position)) return false;
    recorded.setLine("place " + memberWords(game.state, party, slot) + " " +
                     std::to_string(position));
    return true;
}

bool makeLeader(Game& game, int party, int slot) {
    RecordedAction recorded(game);
    if (!makeLeader(game.state, party, slot)) return false;
    recorded.setLine("leader " + memberWords(game.state, party, slot));
    return true;
}

bool renameParty(Game& game, int party, const std::optional<std::string>& answer) {
    if (setupRefusal(game.state, SetupAction::Rename, party, 0) || !answer) return false;
    RecordedAction recorded(
        game, "rename " + std::to_string(party) + (answer->empty() ? "" : " " + *answer));
    // The party file keeps the name on one line, in the code page of the saves, and
    // no longer than any name a save may hold.
    if (textProblem(*answer)) {
        const bool tooLong = characterCount(*answer) > kMaxTextCharacters;
        game.presenter.inform(tooLong ? kPartyNameTooLong : kBadPartyName);
        return false;
    }
    game.state.parties[party].partyName = isBlank(*answer) ? std::string(kNoPartyName) : *answer;
    return true;
}

std::optional<int> foundParty(Game& game, const Chooser& choose) {
    GameState& state = game.state;
    if (setupRefusal(state, SetupAction::Found, 0, 0)) return std::nullopt;
    game.presenter.inform(kChooseNewLeader);
    const ListRows rows = adventurerChoices(state, state.currentCity, 1, true);
    const std::optional<int> leader = choose(rows);
    if (!leader || !offers(rows, *leader)) return std::nullopt;
    RecordedAction recorded(game, "found " + std::to_string(*leader));
    const std::optional<int> party = findFreeParty(state);
    if (!party) return std::nullopt;
    TParty& p = state.parties[*party];
    p.inUse = true;
    p.leader = *leader;
    addMember(state, *party, *leader);
    p.location = state.currentCity;
    return party;
}

std::optional<int> addToParty(Game& game, int party, const Chooser& choose) {
    GameState& state = game.state;
    if (setupRefusal(state, SetupAction::Add, party, 0)) return std::nullopt;
    const ListRows rows = adventurerChoices(state, state.currentCity, 1, true);
    const std::optional<int> adventurer = choose(rows);
    if (!adventurer || !offers(rows, *adventurer)) return std::nullopt;
    RecordedAction recorded(game,
                            "add " + std::to_string(party) + " " + std::to_string(*adventurer));
    return addMember(state, party, *adventurer);
}

Leaving removeFromParty(Game& game, int party, int slot) {
    GameState& state = game.state;
    if (setupRefusal(state, SetupAction::Remove, party, slot)) return Leaving::Refused;
    RecordedAction recorded(game, "remove " + memberWords(state, party, slot));
    // The last one out takes the party with it, and its item must find a shelf first.
    if (memberCount(state, party) == 1)
        return disbandByPlayer(game, party) ? Leaving::Disbanded : Leaving::Refused;
    removeMember(state, party, state.parties[party].members[slot]);
    return Leaving::Left;
}

bool disbandByPlayer(Game& game, int party) {
    GameState& state = game.state;
    if (setupRefusal(state, SetupAction::Disband, party, 0)) return false;
    RecordedAction recorded(game, "disband " + std::to_string(party));
    // Storage with no room refuses before anything is asked.
    const bool roomForItem =
        state.parties[party].partyItem == 0 ||
        std::find(state.guildItems.begin(), state.guildItems.end(), 0) != state.guildItems.end();
    if (!roomForItem) {
        game.presenter.inform(kNoRoomForItem);
        return false;
    }
    const std::string question =
        "파티 " + withParticle(state.parties[party].partyName, Particle::Object, "을(를)") +
        kDisbandQuestion;
    if (!askPlayer(game, question, DefaultAnswer::No)) return false;
    storePartyItem(state, party);
    disbandParty(state, party);
    return true;
}

void showDefence(Game& game, int party) {
    if (setupRefusal(game.state, SetupAction::Defence, party, 0)) return;
    RecordedAction recorded(game, "defence " + std::to_string(party));
    game.presenter.inform(kDefencePrefix + std::to_string(partyDefenceRating(game.state, party)));
}

}  // namespace orrowvale
