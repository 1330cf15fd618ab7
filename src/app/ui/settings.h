#pragma once

namespace orrowvale {

// The player's choices kept between runs of the game (QSettings), apart from any
// saved game.

// Whether "완료" asks before ending a turn; yes until the player turns it off.
bool askBeforeEndingTurn();
void setAskBeforeEndingTurn(bool ask);

// Whether the reports of the turns one press of "완료" plays (arrivals, monsters
// beaten, missions ended, gold brought home) come as one turn report, "이번 턴의
// 소식" (true, the default), or each in its own box as the turn reaches it (false).
// Read at each press of "완료", so a change counts from the next one.
bool oneTurnReport();
void setOneTurnReport(bool gathered);

}  // namespace orrowvale
