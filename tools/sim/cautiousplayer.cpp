#include "cautiousplayer.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <sstream>

#include "city/visit.h"
#include "game.h"
#include "guild/guildwindow.h"
#include "guild/tradingpost.h"
#include "parties/dispatch.h"
#include "parties/forecast.h"
#include "parties/party.h"
#include "parties/partycommands.h"
#include "parties/risk.h"
#include "world/adventurer.h"
#include "world/gamestate.h"

namespace orrowvale::sim {
namespace {

// The action words of the dispatch kinds, in the order of `Errand`.
constexpr const char* kErrandWords[] = {"quest", "search", "war", "dungeon"};
// A careful player sends a search out for a few turns and a dungeon party a few
// levels down, never further.
constexpr int kSearchTurns = 3;
constexpr int kDeepestTried = 3;
// A careful player glances at the forecast of every mission each turn, its first
// plays only, and reads the whole forecast the windows show only of a mission
// where the glance saw nobody lost.
constexpr int kPlaysGlanced = 20;

std::optional<MissionForecast> safeLooking(
    const std::function<std::optional<MissionForecast>(int plays)>& forecast) {
    const std::optional<MissionForecast> glance = forecast(kPlaysGlanced);
    if (!glance || glance->lossChance > 0.0) return std::nullopt;
    return forecast(kForecastPlays);
}

struct Choice {
    std::string action;
    MissionRisk risk;
    double worth = 0.0;
};

bool better(const Choice& a, const std::optional<Choice>& b) {
    if (!b) return true;
    if (a.risk.level != b->risk.level) return a.risk.level < b->risk.level;
    return a.worth > b->worth;
}

// Stronger defenders stand in front: members are added in this order.
int defenceWorth(const TAdven& a) {
    return a.stat(kDexterity) + a.stat(kHealth);
}

bool inAnyParty(const GameState& state, int adventurer) {
    for (const TParty& p : state.parties)
        if (p.inUse && std::find(p.members.begin(), p.members.end(), adventurer) != p.members.end())
            return true;
    return false;
}

}  // namespace

int guildMemberCount(const GameState& state) {
    int count = 0;
    for (const TAdven& a : state.adventurers)
        if (!a.isFree() && a.isGuildMember != 0) ++count;
    return count;
}

void CautiousPlayer::act(const std::string& line) {
    std::istringstream in(line);
    player_.play(readActions(in, "cautious player"));
    transcript_.push_back(line);
}

void CautiousPlayer::playTurn() {
    const GameState& state = player_.game.state;
    visitStoryPlaces();
    if (turnsPlayed_ == 0 || state.gameTurn == 1) recruitInPub();
    tryBranch();
    formHomeParty();
    sendHomeParty();
    ++turnsPlayed_;
    if (!player_.game.mainCharacterDied) act("end");
}

// Each place of a city once: the story sends a newcomer to its places.
void CautiousPlayer::visitStoryPlaces() {
    const GameState& state = player_.game.state;
    for (const ListRow& place : placeRows(state)) {
        const std::string key = std::to_string(state.currentCity) + ":" + place.text;
        if (std::find(visited_.begin(), visited_.end(), key) != visited_.end()) continue;
        visited_.push_back(key);
        act("visit " + place.text);
        if (player_.game.mainCharacterDied) return;
    }
}

// Rumours, then every adventurer at the tables is asked to join: asking costs
// nothing, and the answer says whether the guild is famous enough.
void CautiousPlayer::recruitInPub() {
    const int membersBefore = guildMemberCount(player_.game.state);
    act("pub");
    act("rumour");
    act("look");
    const ListRows company = player_.pub.company;
    for (const ListRow& row : company) {
        const GameState& state = player_.game.state;
        if (state.adventurers[row.number].isGuildMember != 0) continue;
        act("talk " + std::to_string(row.number));
        act("join");
        act("bye");
    }
    act("leave");
    pubHires_ += std::max(0, guildMemberCount(player_.game.state) - membersBefore);
}

void CautiousPlayer::tryBranch() {
    const GameState& state = player_.game.state;
    if (hasGuildBranchHere(state) || state.politicalFame < guildBranchFameNeeded(state)) return;
    act("branch");
}

int CautiousPlayer::homeParty() const {
    const GameState& state = player_.game.state;
    for (const ListRow& row : partiesInCity(state, state.currentCity)) {
        const auto& members = state.parties[row.number].members;
        if (std::find(members.begin(), members.end(), state.mainchrnum) != members.end())
            return row.number;
    }
    return 0;
}

// The main character and every free member in the city go out together.
void CautiousPlayer::formHomeParty() {
    const GameState& state = player_.game.state;
    if (!hasGuildBranchHere(state) || state.mainCharacter().busyFlag != 0) return;
    std::vector<int> free;
    for (int number = 1; number <= kMaxAdventurers; ++number) {
        const TAdven& a = state.adventurers[number];
        if (a.isFree() || a.isGuildMember == 0 || a.busyFlag != 0 || number == state.mainchrnum)
            continue;
        if (a.location == state.currentCity && !inAnyParty(state, number)) free.push_back(number);
    }
    std::sort(free.begin(), free.end(), [&state](int a, int b) {
        return defenceWorth(state.adventurers[a]) > defenceWorth(state.adventurers[b]);
    });
    int party = homeParty();
    if (party == 0) {
        if (inAnyParty(state, state.mainchrnum)) return;
        const std::optional<int> fresh = findFreeParty(state);
        if (!fresh) return;
        act("found " + std::to_string(free.empty() ? state.mainchrnum : free.front()));
        if (!free.empty()) free.erase(free.begin());
        party = *fresh;
        if (!state.parties[party].inUse) return;
        if (isNotMember(state, party, state.mainchrnum))
            act("add " + std::to_string(party) + " " + std::to_string(state.mainchrnum));
    }
    for (int number : free) {
        if (memberCount(state, party) >= kPartySize) break;
        act("add " + std::to_string(party) + " " + std::to_string(number));
    }
    chooseLeader(party);
}

// A leader of little charisma holds a large party back: the most charismatic leads.
void CautiousPlayer::chooseLeader(int party) {
    const GameState& state = player_.game.state;
    const TParty& p = state.parties[party];
    int best = p.leader;
    for (int number : p.members)
        if (number != 0 && (best == 0 || state.adventurers[number].stat(kCharisma) >
                                             state.adventurers[best].stat(kCharisma)))
            best = number;
    if (best != p.leader) act("leader " + std::to_string(party) + " " + std::to_string(best));
}

// The lowest risk the windows show, among what the main character may face: a
// mission of low risk, or a contract of low risk, each read from the forecast the
// windows show; among missions of one risk, the one that brings most on average.
void CautiousPlayer::sendHomeParty() {
    Game& game = player_.game;
    const GameState& state = game.state;
    const int party = homeParty();
    if (party == 0 || !canMoveOrDispatch(state, party)) return;
    if (takeFirstQuest(party) || takeSafeContract(party)) return;
    std::optional<Choice> best;
    const std::string prefix = "dispatch " + std::to_string(party) + " ";
    for (int kind = 0; kind < 4; ++kind) {
        const Errand errand = static_cast<Errand>(kind);
        for (const ListRow& target : openTargets(state, errand, state.currentCity)) {
            int lastNumber = 1;
            if (errand == Errand::Search) lastNumber = kSearchTurns;
            if (errand == Errand::Dungeon) lastNumber = kDeepestTried;
            for (int number = 1; number <= lastNumber; ++number) {
                if (errand == Errand::Search && number != kSearchTurns) continue;
                const auto forecast = safeLooking([&](int plays) {
                    return forecastErrand(game, party, errand, target.number, number, plays);
                });
                if (!forecast) continue;
                const MissionRisk risk = forecastRisk(*forecast);
                if (asksBeforeRisk(state, party, risk) || risk.level != RiskLevel::Low) continue;
                std::string action =
                    prefix + kErrandWords[kind] + " " + std::to_string(target.number);
                if (errand == Errand::Search || errand == Errand::Dungeon)
                    action.append(" ").append(std::to_string(number));
                const Choice choice{action, risk,
                                    forecast->meanFame * 10 + forecast->meanGold / 10};
                if (better(choice, best)) best = choice;
            }
        }
    }
    if (best) act(best->action);
}

bool CautiousPlayer::takeFirstQuest(int party) {
    if (!takesFirstQuest_ || firstQuestTaken_) return false;
    const GameState& state = player_.game.state;
    const ListRows quests = openTargets(state, Errand::Quest, state.currentCity);
    if (quests.empty()) return false;
    firstQuestTaken_ = true;
    act("answer yes");
    act("dispatch " + std::to_string(party) + " quest " + std::to_string(quests.front().number));
    return true;
}

bool CautiousPlayer::takeSafeContract(int party) {
    Game& game = player_.game;
    const GameState& state = game.state;
    for (const ListRow& row : contractRows(state)) {
        const TradeGood& good = state.tradeGoods[state.currentCity][row.number];
        const auto forecast =
            safeLooking([&](int plays) { return forecastTransport(game, party, good, plays); });
        if (!forecast || forecastRisk(*forecast).level != RiskLevel::Low) continue;
        act("trade");
        act("take " + std::to_string(row.number) + " " + std::to_string(party));
        return true;
    }
    return false;
}

}  // namespace orrowvale::sim
