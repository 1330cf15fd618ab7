#pragma once

#include <string>

#include "listrow.h"
#include "refusal.h"

namespace orrowvale {

struct Game;
struct GameState;

// The parties the equipment window offers: in use, standing in `currentCity`, not
// on a mission and not on the road, in party number order.
ListRows equippableParties(const GameState& state);
bool canEquip(const GameState& state, int party);

// The guild item slots 1..100 that hold an item, in slot order, each row showing
// the name of its item.
ListRows storedItemSlots(const GameState& state);

// The name of the item the party carries; "아이템 없음" for none, or for party 0
// (none chosen).
std::string carriedItemName(const GameState& state, int party);

// "장착": the party takes the item of guild slot `slot`, and that slot receives the
// party's former item (nothing when it had none, which empties the slot). With no
// item (slot 0) or no party (party 0) chosen, the player is told to choose one.
// Returns whether the items were swapped.
bool equipItem(Game& game, int party, int slot);

// Why "해제" cannot take anything off this party: no party chosen, or the party
// carries nothing.
Refusal takeOffRefusal(const GameState& state, int party);

// "해제": the party's item goes into the lowest empty guild slot. With every slot
// taken the player is told so and nothing moves. Returns whether the item moved.
bool takeOffItem(Game& game, int party);

// Puts the party's item into the lowest empty guild slot; true also when it carries
// none. False, with nothing moved, when every slot is taken.
bool storePartyItem(GameState& state, int party);

// "버리기": the item of guild slot `slot` is thrown away. With no item chosen (slot
// 0) the player is told to choose one. Returns whether an item was thrown away.
bool discardItem(Game& game, int slot);

inline constexpr const char* kChooseItemToEquip =
    "먼저 오른쪽의 길드 보관 아이템 목록에서 장착시킬 아이템을 고르십시오.";
inline constexpr const char* kChoosePartyToEquip = "먼저 왼쪽에서 장착시킬 파티를 고르십시오.";
inline constexpr const char* kNoRoomForItem = "아이템을 내려놓을 공간이 없습니다.";
inline constexpr const char* kChooseItemToDiscard =
    "먼저 오른쪽의 길드 보관 아이템 목록에서 버릴 아이템을 고르십시오.";
inline constexpr const char* kChoosePartyToTakeOff = "먼저 왼쪽에서 파티를 고르십시오.";
inline constexpr const char* kNothingToTakeOff = "이 파티는 장착한 아이템이 없습니다.";

}  // namespace orrowvale
