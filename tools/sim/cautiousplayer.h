#pragma once

// The cautious newcomer of `orrowvale-sim --survey`: a player who plays the way the
// story and the windows suggest, and never risks the main character. It decides
// from what the windows show and acts only through the scripted player's actions,
// so every game it plays is also an action file that replays through --actions.

#include <string>
#include <vector>

#include "playscript.h"

namespace orrowvale {
struct GameState;
}

namespace orrowvale::sim {

// Everyone in the guild, the main character too.
int guildMemberCount(const GameState& state);

class CautiousPlayer {
  public:
    // A player who `takesFirstQuest` sends the starting party on the first quest the
    // board shows as soon as it shows one, whatever its risk, as a newcomer following
    // the story would; after that he plays as carefully as the other.
    explicit CautiousPlayer(Player& player, bool takesFirstQuest = false)
        : player_(player), takesFirstQuest_(takesFirstQuest) {}

    // One turn of play: what a careful player does in the city before pressing
    // "완료", and the press itself.
    void playTurn();

    // Every action played so far, one line each, as an action file holds them.
    const std::vector<std::string>& transcript() const { return transcript_; }
    // Whether the first quest was taken; the turn it was taken ends when its party
    // is home again or the main character has fallen.
    bool tookFirstQuest() const { return firstQuestTaken_; }
    // Members who joined the guild while the player was in the pub: asked at a table
    // or brought in by the pub's own events.
    int pubHires() const { return pubHires_; }

  private:
    void act(const std::string& line);
    void visitStoryPlaces();
    void recruitInPub();
    void tryBranch();
    void formHomeParty();
    void chooseLeader(int party);
    void sendHomeParty();
    bool takeSafeContract(int party);
    bool takeFirstQuest(int party);
    int homeParty() const;

    Player& player_;
    std::vector<std::string> transcript_;
    std::vector<std::string> visited_;
    int turnsPlayed_ = 0;
    bool takesFirstQuest_ = false;
    bool firstQuestTaken_ = false;
    int pubHires_ = 0;
};

}  // namespace orrowvale::sim
