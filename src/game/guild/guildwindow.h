#pragma once

#include "listrow.h"
#include "parties/partycommands.h"
#include "refusal.h"

namespace orrowvale {

struct GameState;

// The two lists of the guild window: `guildadvlist` and `taskpartylist`.
struct GuildLists {
    // Guild members standing in `currentCity`, in roster order, by name alone.
    ListRows members;
    // Every party in use, wherever it is, in number order.
    ListRows parties;
};

GuildLists guildWindowLists(const GameState& state);

// The guild window opens where the current city has a guild branch.
bool hasGuildBranchHere(const GameState& state);

// Why the guild window, and the party setup window opened from it, cannot be
// reached in the current city: the words the branch offer opens with.
inline constexpr const char* kNoGuildBranchHere = "이 곳에는 길드 지부가 존재하지 않습니다.";
Refusal guildWindowRefusal(const GameState& state);

// Whether the guild window offers the detail panel of an adventurer: one of its
// listed members, or a member of one of its listed parties (those stand elsewhere
// while on the road).
bool guildOffersAdventurer(const GameState& state, int adventurer);
bool guildOffersParty(const GameState& state, int party);

// Why "캐릭터 정보" and "파티 정보" are disabled.
inline constexpr const char* kChooseGuildMemberFirst = "길드원을 먼저 고르십시오.";

}  // namespace orrowvale
