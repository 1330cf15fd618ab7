#pragma once

// The scripted player of orrowvale-sim: one player action a line, checked as a whole
// before anything is played, then played in order. Every action calls the game
// function that the window's handler calls, and prints what the player would see.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "guild/chooser.h"

namespace orrowvale {
class GamePaths;
class TranscriptPresenter;
struct Game;
}  // namespace orrowvale

namespace orrowvale::sim {

// One argument of an action: a number in min..max, or one of `words` (its value is
// then the word's index), or "-" where `dash` allows it (value 0). An optional
// argument may be left out at the end of the line.
struct ArgumentForm {
    std::string what;  // how the error message names it: "party", "city", "slot"
    int min = 0;
    int max = 0;
    std::vector<std::string> words;
    bool dash = false;
    bool optional = false;
};

// Whether the rest of the line after the arguments is a name (a place, a person,
// a party name), which may hold blanks.
enum class NameUse { None, Optional, Required };

// One checked line of the file.
struct Action {
    int line = 0;
    std::string text;  // the line as written, without its line end
    std::string word;
    std::vector<int> values;  // one per ArgumentForm; 0 when an optional one was left out
    std::vector<bool> given;  // whether each argument was written
    std::string name;         // the rest of the line, trimmed; may be empty
    bool hasName = false;
};

class Player;

struct ActionForm {
    std::string word;
    std::vector<ArgumentForm> args;
    NameUse name = NameUse::None;
    // A pub action plays inside the pub; any other action leaves the pub first.
    bool inPub = false;
    std::function<void(Player&, const Action&)> run;
};

// The families of actions, each in its own file, named after the game's folders.
std::vector<ActionForm> cityActions();        // cityactions.cpp
std::vector<ActionForm> pubActions();         // pubactions.cpp
std::vector<ActionForm> partyActions();       // partyactions.cpp
std::vector<ActionForm> partySetupActions();  // partysetupactions.cpp
std::vector<ActionForm> guildActions();       // guildactions.cpp
std::vector<ActionForm> lifecycleActions();   // lifecycleactions.cpp
// Every action the file may use.
const std::vector<ActionForm>& allActions();

// Argument kinds shared by the families. Things are named by their numbers, from 1
// to the size of the game's table of them.
ArgumentForm partyArg();
ArgumentForm adventurerArg();
ArgumentForm cityArg();
ArgumentForm entryArg();  // an entry of quests, searches, wars or dungeons
ArgumentForm itemSlotArg();
ArgumentForm tradeSlotArg();
ArgumentForm positionArg();
ArgumentForm saveSlotArg();

// The longest line an action file may hold, and the largest file: a script longer
// than either is no script a player wrote (a device or a stray file was named).
inline constexpr std::size_t kMaxActionLineBytes = 1024;
inline constexpr std::uintmax_t kMaxActionFileBytes = 16u * 1024u * 1024u;

// Reads and checks a whole action file (UTF-8; blank lines and lines starting with
// "#" skipped). Throws DataError naming `fileName` and the line of the first line
// that is not an action, or naming the file alone when it cannot be read or is
// larger than kMaxActionFileBytes; reads no more than that.
std::vector<Action> readActions(std::istream& in, const std::string& fileName);

// The player at the keyboard: the game it plays, what it prints, and the windows it
// has open between actions.
class Player {
  public:
    using Sink = std::function<void(const std::string& line)>;

    Player(Game& game, TranscriptPresenter& presenter, Sink out);

    Game& game;
    TranscriptPresenter& presenter;

    void print(const std::string& line);
    // "list[CONTROL]: N TEXT": one row of a list or drop-down the action fills.
    void list(std::string_view control, int number, const std::string& text);
    // Every row of a list or drop-down the action fills, top to bottom.
    void list(std::string_view control, const ListRows& rows);
    // "label[CONTROL]: TEXT": a label or text box the action writes.
    void label(std::string_view control, const std::string& text);
    // "refused: REASON": the button is disabled (REASON is its tooltip) or the thing
    // named is not offered (kNotOffered).
    void refused(const std::string& reason);

    // What the pub windows hold while the pub is open.
    struct Pub {
        bool open = false;
        bool listOpen = false;  // the adventurer list window
        ListRows company;       // who sits on its rows
        int talkTarget = 0;     // the adventurer of the open conversation, 0 = none
    } pub;

    // The dispatch window's depth and turns fields, which keep their values between
    // uses.
    int depthField = 1;
    int turnsField = 1;

    // Plays the actions in order, each after its "> LINE". A data error met by an
    // action is printed as "error: FILE:LINE: MESSAGE", as the window shows it in a
    // box, and the script goes on. Returns the number of such errors.
    int play(const std::vector<Action>& actions);

  private:
    Sink out_;
};

inline constexpr const char* kNotOffered = "not offered";

// The two lists of the guild window, as "guild" and a "branch" where one stands
// print them (guildactions.cpp).
void showGuildLists(Player& player);

// The chooser as the player sees it: its rows, then the pick of `number`, which
// must be on one of them.
Chooser chooserPicking(Player& player, int number);

}  // namespace orrowvale::sim
