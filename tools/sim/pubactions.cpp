// The actions of the pub, its adventurer list and the conversation window.

#include <utility>

#include "city/adventurertalk.h"
#include "city/pub.h"
#include "city/pubpatrons.h"
#include "game.h"
#include "guild/fame.h"
#include "guild/goals.h"
#include "playscript.h"
#include "world/gamestate.h"

namespace orrowvale::sim {
namespace {

// Each window's buttons work only while that window is in front: the pub's under no
// list, the list's under no conversation.
bool pubInFront(Player& player) {
    if (player.pub.open && !player.pub.listOpen) return true;
    player.refused(kNotOffered);
    return false;
}

bool listInFront(Player& player) {
    if (player.pub.listOpen && player.pub.talkTarget == 0) return true;
    player.refused(kNotOffered);
    return false;
}

bool talking(Player& player) {
    if (player.pub.talkTarget != 0) return true;
    player.refused(kNotOffered);
    return false;
}

void showCompany(Player& player, ListRows company) {
    player.pub.company = std::move(company);
    player.list("adlist", player.pub.company);
}

void say(Player& player, const std::string& text) {
    player.label("adsaid", text);
}

void pubAction(Player& player, const Action&) {
    player.pub = {};
    player.pub.open = true;
    openPub(player.game);
}

// "나가기", after closing whatever stands over the pub, as any other action would.
void leaveAction(Player& player, const Action&) {
    if (player.pub.open)
        player.pub = {};
    else
        player.refused(kNotOffered);
}

void rumourAction(Player& player, const Action&) {
    if (pubInFront(player)) hearRumour(player.game);
}

void fameAction(Player& player, const Action&) {
    if (!pubInFront(player)) return;
    const FameBars bars = fameBars(player.game.state);
    player.label("advguage", std::to_string(bars.adventure));
    player.label("jungguage", std::to_string(bars.political));
    player.label("backguage", std::to_string(bars.covert));
    const GameState& state = player.game.state;
    player.label("advfamelabel", fameNumberText(state.adventureFame));
    player.label("jungfamelabel", fameNumberText(state.politicalFame));
    player.label("backfamelabel", fameNumberText(state.covertFame));
    for (const std::string& need : fameNeeds(state))
        player.label("needslabel", need);
    for (const GuildGoal& goal : guildGoals(player.game))
        player.label("goalslabel", goalLine(goal));
    closeFameWindow(player.game);
}

void lookAction(Player& player, const Action&) {
    if (!pubInFront(player)) return;
    player.pub.listOpen = true;
    showCompany(player, rollPubCompany(player.game));
}

void talkAction(Player& player, const Action& action) {
    if (!listInFront(player)) return;
    const int number = action.values[0];
    if (!offers(player.pub.company, number)) return player.refused(kNotOffered);
    player.pub.talkTarget = number;
    say(player, startConversation(player.game, number));
}

void jobAction(Player& player, const Action&) {
    if (talking(player))
        say(player, classAnswer(player.game.state.adventurers[player.pub.talkTarget]));
}

void drinkAction(Player& player, const Action&) {
    if (talking(player)) say(player, buyDrink(player.game, player.pub.talkTarget));
}

void joinAction(Player& player, const Action&) {
    if (!talking(player)) return;
    if (auto refusal = joinRefusal(player.game.state, player.pub.talkTarget))
        return player.refused(*refusal);
    if (askToJoin(player.game, player.pub.talkTarget) == JoinOutcome::Declined)
        say(player, kJoinDeclined);
}

// The list comes back in front with a new company.
void byeAction(Player& player, const Action&) {
    if (!talking(player)) return;
    player.pub.talkTarget = 0;
    showCompany(player, endConversation(player.game));
}

void closeAction(Player& player, const Action&) {
    if (!listInFront(player)) return;
    player.pub.listOpen = false;
    player.pub.company.clear();
    closeAdventurerList(player.game);
}

ActionForm inPub(const char* word, std::function<void(Player&, const Action&)> run,
                 std::vector<ArgumentForm> args = {}) {
    return {word, std::move(args), NameUse::None, true, std::move(run)};
}

}  // namespace

std::vector<ActionForm> pubActions() {
    return {
        inPub("pub", pubAction),       inPub("leave", leaveAction),
        inPub("rumour", rumourAction), inPub("fame", fameAction),
        inPub("look", lookAction),     inPub("talk", talkAction, {adventurerArg()}),
        inPub("job", jobAction),       inPub("drink", drinkAction),
        inPub("join", joinAction),     inPub("bye", byeAction),
        inPub("close", closeAction),
    };
}

}  // namespace orrowvale::sim
