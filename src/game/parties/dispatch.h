#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "listrow.h"

namespace orrowvale {

struct Game;
struct GameState;

// The kinds the dispatch window offers, in the order of its list.
enum class Errand { Quest, Search, War, Dungeon };

// The kinds as the dispatch window lists them, in the order of `Errand`.
inline constexpr const char* kErrandNames[] = {"퀘스트", "탐색", "전쟁", "던젼"};
// The same kinds as the scripted player and the play log write them.
inline constexpr const char* kErrandWords[] = {"quest", "search", "war", "dungeon"};

// The dispatch window's heading: this caption, then the party's name.
inline constexpr const char* kPartyNameCaption = "파티명: ";

// What the number field beside the targets means for a kind: the turns of a
// search, the deepest level of a dungeon; the other kinds leave it unused.
struct NumberFieldUse {
    const char* label;
    bool enabled;
};
NumberFieldUse numberFieldFor(Errand kind);

// The targets of a kind that are open now, in entry order: quests and wars of the
// world, search sites and dungeons of `city`, each row its entry number and name.
// Only the first 100 quests are offered.
ListRows openTargets(const GameState& state, Errand kind, int city);

// The number field of the dispatch window: the turns of a search, the deepest
// level of a dungeon.
inline constexpr int kNumberFieldMin = 0;
inline constexpr int kNumberFieldMax = 100;

// What the number may be for a target: a search lasts 1 to 100 turns; a dungeon is
// gone down 1 level to as many as its file holds (a file that cannot be read leaves
// 1 to 100, and the expedition meets the fault on its first turn). Nothing for a kind
// that takes no number, or a target not open where the party stands.
struct NumberLimits {
    int least = 1;
    int most = kNumberFieldMax;
};
std::optional<NumberLimits> numberLimits(Game& game, int party, Errand kind, int target);
// The number as the target takes it: held to its limits, and to the field's for a
// kind that takes none.
int numberForTarget(Game& game, int party, Errand kind, int target, int number);

// The "시작" button: with a kind and an open target chosen, starts that mission for
// a party that may be dispatched; sites are those of the city where it stands.
// `target` is the entry number of the target; the number goes by numberForTarget. Returns whether
// the party set off; without a full choice, or when the player keeps the main character home,
// nothing happens.
bool dispatchParty(Game& game, int party, std::optional<Errand> kind, int target, int numberField);

// Before a party holding the main character leaves on a mission of high risk, the
// player is asked; whether it may go.
bool willRiskMainCharacter(Game& game, int party, Errand kind, int target, int numberField);

// What "시작" does once the party may go: starts the mission of a target open where
// the party stands, with the number as numberForTarget gives it.
void startErrand(GameState& state, int party, Errand kind, int target, int number);

// The start of each mission: its fields are set and the members become busy.
void startQuest(GameState& state, int party, int quest);
void startSearch(GameState& state, int party, const std::string& file, int turns);
void startWar(GameState& state, int party, const std::string& file);
void startDungeon(GameState& state, int party, const std::string& file, int limit, int city,
                  int number);
// A transport contract taken at the trading post, with the numbers of its slot.
void startTransport(GameState& state, int party, const std::string& goods, std::int32_t pay,
                    std::int32_t ambushRisk, std::int32_t cargoRisk, std::int32_t turns);

}  // namespace orrowvale
