#pragma once

namespace orrowvale {

// The player's choices kept between runs of the game (QSettings), apart from any
// saved game.

// Whether "완료" asks before ending a turn; yes until the player turns it off.
bool askBeforeEndingTurn();
void setAskBeforeEndingTurn(bool ask);

}  // namespace orrowvale
