#pragma once

#include <optional>

#include "parties/partyrecord.h"

namespace orrowvale {

struct GameState;

// The party operations. Parties are numbered 1..1000; nothing (an empty optional)
// means nothing was found. A party number outside the table is a fault of the caller
// (std::out_of_range).

// Every party slot empty, as world creation and loading start.
void createPartySlots(GameState& state);
// The lowest-numbered party not in use.
std::optional<int> findFreeParty(const GameState& state);
// The first member slot 1..9 holding 0.
std::optional<int> findFreeMemberSlot(const GameState& state, int party);
bool isNotMember(const GameState& state, int party, int adventurer);
// Puts the adventurer into the lowest free member slot and that slot into the lowest
// free formation position; returns the slot, or nothing (nothing changed) when the
// adventurer is already a member or no slot or position is free.
std::optional<int> addMember(GameState& state, int party, int adventurer);
// The highest-numbered formation position holding `slot`; nothing when it has none.
std::optional<int> positionOf(const GameState& state, int party, int slot);
// Frees every slot holding the adventurer and its formation positions; the leader
// stays. Whether something was freed.
bool removeMember(GameState& state, int party, int adventurer);
// Back to an empty slot; the gold, risk, level, cargo and dungeon fields stay, and
// the carried item is lost.
void disbandParty(GameState& state, int party);
int memberCount(const GameState& state, int party);
// Sets `onMission` and every member's busy flag.
void setOnMission(GameState& state, int party, bool onMission);

// The formation row of a position: 1 front, 2 middle, 3 rear.
int formationRow(int position);

// The ratings that decide fights, script conditions and transports.
int partyAbilityTotal(const GameState& state, int party);
int perspipRating(const GameState& state, int party);
int transportRating(const GameState& state, int party);
int partyAttackRating(const GameState& state, int party);
int partyDefenceRating(const GameState& state, int party);

}  // namespace orrowvale
