#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orrowvale {

struct Game;

// A monster met in a dungeon or named by a script.
class TMonster {
  public:
    std::int32_t attack = 0;
    std::int32_t defence = 0;
    std::int32_t fameReward = 0;
    std::string monsterName = "None";
};

// A random record of the monster file "data\" + `file`. A missing file gives the
// harmless monster: named "None", with nothing to attack, defend or reward.
TMonster loadMonster(Game& game, std::string_view file);

// Which victory report a meeting gives.
enum class FightWording { Dungeon, Script };

struct MeetingResult {
    bool beaten = false;
    bool wipedOut = false;
};

// One meeting of the party with the monster: a defence roll that may kill members,
// then an attack roll that may beat the monster.
MeetingResult meetMonster(Game& game, int party, const TMonster& monster, FightWording wording);

// One random member of the party dies. The main character's death ends the game.
void killOneMember(Game& game, int party);

// How a script fight ended. A fight that no side can win within the bout limit
// ends undecided and the script goes on.
enum class FightOutcome { Won, Lost, Undecided };
inline constexpr int kMaxFightBouts = 100;

FightOutcome scriptFight(Game& game, int party, const std::string& name, std::int32_t attack,
                         std::int32_t defence, std::int32_t fameReward);

}  // namespace orrowvale
