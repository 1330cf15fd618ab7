#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "guild/chooser.h"
#include "guild/equipment.h"
#include "listrow.h"
#include "parties/partycommands.h"
#include "refusal.h"

namespace orrowvale {

struct Game;
struct GameState;

// The party setup window's texts. The refusals are the tooltips of its disabled
// buttons and what the scripted player prints when it cannot press them.
inline constexpr const char* kChooseMemberFirst = "캐릭터를 먼저 고르십시오.";
inline constexpr const char* kPartyFull = "파티 인원이 가득 찼습니다.";
inline constexpr const char* kChooseNewLeader = "새로운 파티의 리더가 될 캐릭터를 선택해 주십시오.";
inline constexpr const char* kRenameCaption = "파티명명";
inline constexpr const char* kRenamePrompt =
    "파티의 이름을 새롭게 정합니다. 새로운 파티의 이름을 지어주세요.";
inline constexpr const char* kBadPartyName =
    "파티 이름에 쓸 수 없는 글자가 있습니다. 이름을 바꾸지 않았습니다.";
inline constexpr const char* kPartyNameTooLong =
    "파티 이름은 100자까지 쓸 수 있습니다. 이름을 바꾸지 않았습니다.";
inline constexpr const char* kDefencePrefix = "Pdp값은요: ";
inline constexpr const char* kDisbandQuestion = " 해체하시겠습니까?";

// Every party in use, by name, in number order, wherever it stands.
ListRows partyRows(const GameState& state);
// The occupied member slots of the party (each row its member slot 1..9), by name;
// the main character marked.
ListRows memberRows(const GameState& state, int party);
// The leader's name; empty without a leader.
std::string leaderName(const GameState& state, int party);
// For grid positions 1..9 (index 0..8): whether the member of `slot` stands there.
std::array<bool, 9> formationMarks(const GameState& state, int party, int slot);
// For grid positions 1..9 (index 0..8): the first letters of the name of whoever
// stands there, kLeaderMark after the leader's; empty where nobody stands.
std::array<std::string, 9> formationNames(const GameState& state, int party);
inline constexpr const char* kLeaderMark = "(리더)";

// Why the party setup window cannot be opened: it is reached from the guild window,
// so only where the current city has a guild branch (kNoGuildBranchHere).
Refusal partySetupRefusal(const GameState& state);

// What the player can press in the party setup window.
enum class SetupAction { Leader, Info, Rename, Found, Add, Remove, Disband, Place, Defence };

// Why `action` cannot be pressed with `party` and member `slot` chosen (0 = none
// chosen); nothing can be pressed where the window cannot be opened. A party away
// travelling or on a mission can still be renamed and its members looked at, but
// its members, leader and formation stay.
Refusal setupRefusal(const GameState& state, SetupAction action, int party, int slot);

// The grid button `position` with the member of `slot` chosen: the member takes
// that position, and whoever stood there takes the member's old one.
bool placeMember(GameState& state, int party, int slot, int position);
// The member of `slot` leads the party.
bool makeLeader(GameState& state, int party, int slot);
// The same two, taken by the player in the game in play.
bool placeMember(Game& game, int party, int slot, int position);
bool makeLeader(Game& game, int party, int slot);
// The answer of the name box; none when the box was cancelled, which keeps the name.
// An empty answer gives the party no name. A name the save files cannot hold is
// refused with a message.
bool renameParty(Game& game, int party, const std::optional<std::string>& answer);
// "새로운 파티": the chosen guild member of the current city leads the lowest free
// party, standing in the current city. Returns the party; nothing when none was
// founded.
std::optional<int> foundParty(Game& game, const Chooser& choose);
// "추가": a guild member of the current city who is in no party joins. Returns the
// member slot; nothing when nobody joined.
std::optional<int> addToParty(Game& game, int party, const Chooser& choose);

enum class Leaving { Refused, Left, Disbanded };
// "탈퇴": the member of `slot` leaves; the last one out disbands the party.
Leaving removeFromParty(Game& game, int party, int slot);
// "해체" by the player: the party's item goes back to the guild's storage first.
// With the storage full nothing changes and the player is told why; otherwise the
// player is asked "파티 NAME을(를)" + kDisbandQuestion, No offered first, and a No
// keeps the party.
bool disbandByPlayer(Game& game, int party);
// The narrow defence button: tells the party's defence rating.
void showDefence(Game& game, int party);

}  // namespace orrowvale
