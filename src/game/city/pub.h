#pragma once

#include <string>

namespace orrowvale {

class Dice;
class GamePaths;
struct Game;
struct GameState;

// The story character's pub events, relative to "data\": "pubevent" + number + ".evn".
std::string pubEventFile(const GameState& state);
// The events of the current city's own pub, its keeper and regulars, relative to
// "data\": "pub\" + the city's number in two digits + ".evn". A city may have none.
std::string cityPubEventFile(const GameState& state);

// The pub's event file runs as the pub opens and again each time a window or box
// that the player opened from the pub has closed: the rumour, the fame window, the
// adventurer list. The boxes and dialogues of the event's own run never start it
// again; otherwise a block that sets its guard switch after its first box would run
// nested without end. The city's own pub events run first, when the city has them;
// an ":exitfile" there ends the pub's events for this time, so the story
// character's do not run. A missing story character's file throws DataError.
void openPub(Game& game);
void returnToPub(Game& game);
// The fame window and the adventurer list, opened from the pub, have closed: the pub
// is in front again.
void closeFameWindow(Game& game);
void closeAdventurerList(Game& game);

// "소문 듣기": a random rumour in an information box, then the pub's event, as the
// rumour box has closed.
void hearRumour(Game& game);

// A random rumour from "data\gossip\gossip.txt": the lines after the k-th ":start"
// line up to the next one, each followed by a line break. The roll is 1..G, G being
// the number on the first line; when G claims more rumours than the file holds, only
// those present are told. A missing file, or one without a rumour, throws DataError.
std::string pickRumour(const GamePaths& paths, Dice& dice);

}  // namespace orrowvale
