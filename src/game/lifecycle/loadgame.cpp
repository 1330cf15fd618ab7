#include "lifecycle/loadgame.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "Presenter.h"
#include "game.h"
#include "lifecycle/createworld.h"
#include "lifecycle/playlog.h"
#include "lifecycle/savegame.h"
#include "lifecycle/slotdirectory.h"
#include "parties/partyrecord.h"
#include "world/adventurer.h"
#include "world/datafiles.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"
#include "world/statelimits.h"

namespace orrowvale {
namespace {

std::string itemCodeRange(std::string_view what) {
    return std::string(what) + ", from 0 to " + std::to_string(kLastItemCode);
}

// A text or truth line that is missing is a file cut short, not an empty value.
std::string readPresentLine(LineReader& in, std::string_view what) {
    if (in.atEnd()) {
        in.readLine();
        in.failAtEnd(what);
    }
    return in.readLine();
}

// A name the game keeps, held to the limits every name of the game keeps to.
std::string readText(LineReader& in, std::string_view what) {
    if (in.atEnd()) readPresentLine(in, what);
    return in.readText(what);
}

// A file name the game opens later: it must also stay inside the game directory.
std::string readFileName(LineReader& in, std::string_view what) {
    if (in.atEnd()) readPresentLine(in, what);
    return in.readFileName(what);
}

// An adventurer's or party's file that the main file asked for: an error that
// names no line of that file (it is missing, or no plain file) also names the line
// of "mainsave.sav" that asked for it.
template <typename Read>
void readFileAskedFor(const LineReader& main, std::string_view how, Read read) {
    try {
        read();
    } catch (const DataError& error) {
        if (error.line() != 0) throw;
        throw DataError(error.file(), 0,
                        error.problem() + ", " + std::string(how) + " " + main.displayName() + ":" +
                            std::to_string(main.lineNumber()));
    }
}

// Saved games have always counted a truth line true only when it is exactly "true".
std::uint8_t readFlag(LineReader& in, std::string_view what) {
    return readPresentLine(in, what) == "true" ? 1 : 0;
}

// A party file, 36 lines; the party changes only when all of them were read. Its
// cities are held to the first `cities` of the world.
void readParty(TParty& party, LineReader& in, std::int32_t cities);

// "the current city, from 1 to 3": what a city number of this world may be.
std::string cityRange(std::string_view what, std::int32_t first, std::int32_t cities) {
    return std::string(what) + ", from " + std::to_string(first) + " to " + std::to_string(cities);
}

// Reads one slot over a freshly built world, in the order the save wrote it.
class SlotReader {
  public:
    SlotReader(GameState& state, const GamePaths& paths, int slot)
        : state_(state),
          paths_(paths),
          slot_(slotGamePath(slot)),
          folder_(paths.resolve(slot_)),
          main_(open("mainsave.sav")) {}

    void read() {
        state_.mainCharacter().name = readText(main_, "the main character's name");
        // A date no game can reach is damage, not a hand edit worth playing.
        state_.gameYear = main_.readNumberInRange(
            "the year, from " + std::to_string(kFirstYear) + " to " + std::to_string(kLastYear),
            kFirstYear, kLastYear);
        state_.gameMonth = main_.readNumberInRange("the month, from 1 to 12", 1, kMonthsPerYear);
        state_.gameWeek = main_.readNumberInRange("the week, from 1 to 4", 1, kWeeksPerMonth);
        state_.gameTurn = main_.readNumberInRange("the turn, from 1 to 5", 1, kTurnsPerWeek);
        state_.gold = main_.readWholeNumber("the guild's gold");
        for (std::uint8_t& branch : state_.guildBranches)
            branch = readFlag(main_, "a guild branch (true or false)");
        for (std::uint8_t& on : state_.switches)
            on = readFlag(main_, "a switch (true or false)");
        readPlacesAndPeople();
        readPlayer();
        readSitesAndCampaigns();
        readScriptsAndTrade();
        readHeardNames();
        readGoals();
    }

  private:
    // A save from before the closing chapter, or of a game whose story goes on,
    // has no such file: the chapter is not open.
    void readGoals() {
        if (!slotHas(kGoalsFile)) return;
        LineReader in = open(kGoalsFile);
        state_.closingChapter = true;
        if (!in.atEnd()) readText(in, "\"open\"");
        std::vector<std::string>& announced = state_.goalsAnnounced;
        while (!in.atEnd() && announced.size() < kMaxGoals) {
            std::string key = readText(in, "a goal announced");
            if (!key.empty()) announced.push_back(std::move(key));
        }
    }

    bool slotHas(std::string_view name) const {
        std::error_code ec;
        return std::filesystem::is_regular_file(paths_.resolve(slot_ + "\\" + std::string(name)),
                                                ec);
    }

    // A save from before names were kept, or of a game that heard none, has no such
    // file: nobody is heard of.
    void readHeardNames() {
        if (!slotHas(kHeardNamesFile)) return;
        LineReader in = open(kHeardNamesFile);
        std::vector<std::string>& heard = state_.heardNames;
        while (!in.atEnd() && heard.size() < kMaxHeardNames) {
            std::string name = readText(in, "the name of someone heard of");
            if (!name.empty() && std::find(heard.begin(), heard.end(), name) == heard.end())
                heard.push_back(std::move(name));
        }
    }

    // A file of the slot: a plain file by its exact name is read in the slot folder
    // opened once; anything else by its whole path, as every data file is.
    LineReader open(std::string_view name) const {
        const std::string gamePath = slot_ + "\\" + std::string(name);
        std::string shown = paths_.shownPath(gamePath);
        if (std::optional<std::string> bytes = folder_.read(std::string(name), shown))
            return LineReader::fromBytes(std::move(*bytes), std::move(shown));
        return LineReader(paths_.resolve(gamePath), std::move(shown), FileLinks::Refuse);
    }

    // `how` tells how the main file asked for it: "named by" its marker line, or
    // "due after" the line it follows.
    void readAdventurerFile(TAdven& into, const std::string& name, std::string_view how) const {
        readFileAskedFor(main_, how, [&] {
            LineReader in = open(name);
            loadAdventurer(into, in, true);
        });
    }

    void readPlacesAndPeople() {
        for (auto& city : state_.cityPlaces)
            for (Place& place : city) {
                place.name = readText(main_, "a place name");
                place.eventFile = readFileName(main_, "a place's event file");
            }
        for (std::int32_t& count : state_.cityPlaceCount)
            count = main_.readNumberInRange("a city's place count, from 0 to 100", 0,
                                            kMaxPlacesPerCity);
        // A slot marked "None" keeps the fresh empty adventurer; the main character
        // placed by the rebuild receives its slot's file like any other.
        for (int i = 1; i <= kMaxAdventurers; ++i)
            if (readPresentLine(main_, "an adventurer marker (adv or None)") != kNone)
                readAdventurerFile(state_.adventurers[i], "adv" + std::to_string(i) + ".adv",
                                   "named by");
        for (auto& row : state_.guildRoster)
            for (std::int32_t& number : row)
                number = main_.readNumberInRange("an adventurer number from 0 to 1000", 0,
                                                 kMaxAdventurers);
        for (int p = 1; p <= kMaxParties; ++p)
            if (readPresentLine(main_, "a party marker (prt or None)") != kNone)
                readFileAskedFor(main_, "named by", [&] {
                    LineReader in = open("prt" + std::to_string(p) + ".prt");
                    readParty(state_.parties[p], in, state_.cityCount);
                });
    }

    void readPlayer() {
        // A save of another world may name a city this one does not have.
        state_.currentCity = main_.readNumberInRange(
            cityRange("the current city", 1, state_.cityCount), 1, state_.cityCount);
        for (std::int32_t& nation : state_.cityNations)
            nation = main_.readWholeNumber("a city's nation");
        // The character number is a 16-bit value; a larger number keeps its low bits.
        state_.characterNumber =
            static_cast<std::int16_t>(main_.readWholeNumber("the character number"));
        state_.playerNation = main_.readWholeNumber("the player's nation");
        // "mainchr.adv" goes into the main character the rebuild placed; the number
        // read next says which slot is the main character from now on.
        const std::int32_t placed = state_.mainchrnum;
        readAdventurerFile(state_.mainCharacter(), "mainchr.adv", "due after");
        state_.mainchrnum = main_.readNumberInRange(
            "the main character's adventurer number, from 1 to 1000", 1, kMaxAdventurers);
        // A slot edited to name another adventurer slot as the main character still
        // gives that slot the main character's own file last, so the player keeps
        // the person saved as the main character instead of whoever held the slot,
        // or an empty "None" where the slot was free.
        if (state_.mainchrnum != placed)
            readAdventurerFile(state_.mainCharacter(), "mainchr.adv", "due after");
    }

    void readSitesAndCampaigns() {
        for (auto& city : state_.searchSites)
            for (SearchSite& site : city) {
                site.name = readText(main_, "a search site's name");
                site.file = readFileName(main_, "a search site's file");
                site.open = readFlag(main_, "a search site's open flag (true or false)");
            }
        for (auto& city : state_.dungeonSites)
            for (DungeonSite& site : city) {
                site.name = readText(main_, "a dungeon's name");
                site.file = readFileName(main_, "a dungeon's file");
                site.open = readFlag(main_, "a dungeon's open flag (true or false)");
                site.deepestLevel = main_.readWholeNumber("a dungeon's deepest level");
            }
        for (War& war : state_.wars) {
            war.name = readText(main_, "a war's name");
            war.file = readFileName(main_, "a war's file");
            war.active = readFlag(main_, "a war's active flag (true or false)");
        }
        for (Quest& quest : state_.quests) {
            quest.name = readText(main_, "a quest's name");
            quest.file = readFileName(main_, "a quest's file");
            quest.active = readFlag(main_, "a quest's active flag (true or false)");
            quest.turnsLeft = main_.readWholeNumber("a quest's turns left");
        }
    }

    void readScriptsAndTrade() {
        for (std::string& file : state_.scenarioFiles)
            file = readFileName(main_, "a scenario file");
        for (std::int32_t& value : state_.scriptVariables)
            value = main_.readWholeNumber("a script variable");
        for (std::int32_t* fame :
             {&state_.adventureFame, &state_.politicalFame, &state_.covertFame})
            *fame = main_.readWholeNumber("a fame value");
        for (auto& city : state_.tradeGoods)
            for (TradeGood& good : city) {
                // A transport keeps its goods as its mission file, so goods are
                // held to what a file name may be.
                good.name = readFileName(main_, "the goods of a trade offer");
                for (std::int32_t* value :
                     {&good.pay, &good.ambushRisk, &good.cargoRisk, &good.turns})
                    *value = main_.readWholeNumber("a number of a trade offer");
            }
        for (std::int32_t& item : state_.guildItems)
            item = main_.readNumberInRange(itemCodeRange("an item code"), 0, kLastItemCode);
    }

    GameState& state_;
    const GamePaths& paths_;
    std::string slot_;
    FolderReader folder_;
    LineReader main_;
};

}  // namespace

void loadParty(TParty& party, const std::filesystem::path& file, const std::string& displayName) {
    LineReader in(file, displayName, FileLinks::Refuse);
    readParty(party, in, kMaxCities);
}

namespace {

void readParty(TParty& party, LineReader& in, std::int32_t cities) {
    TParty read = party;
    for (std::int32_t& member : read.members)
        member = in.readNumberInRange("a member's adventurer number, from 0 to 1000", 0,
                                      kMaxAdventurers);
    for (std::int32_t& slot : read.formation)
        slot = in.readNumberInRange("a formation slot, from 0 to 9", 0, kPartySize);
    read.location = in.readNumberInRange(cityRange("the party's city", 0, cities), 0, cities);
    auto flag = [&](const char* what) { return readFlag(in, what) == 1; };
    read.inUse = flag("the in-use flag (true or FALSE)");
    read.onMission = flag("the on-mission flag (true or FALSE)");
    read.missionKind = in.readWholeNumber("the mission kind");
    read.missionFile = readFileName(in, "the mission file");
    read.missionValue = in.readWholeNumber("the mission value");
    read.travelling = flag("the travelling flag (true or FALSE)");
    read.travelTurnsLeft =
        in.readNumberInRange("the travel turns left, from 0", 0, std::numeric_limits<int>::max());
    read.travelDestination =
        in.readNumberInRange(cityRange("the destination city", 0, cities), 0, cities);
    for (std::int32_t* value : {&read.missionGold, &read.missionRisk, &read.missionLevel})
        *value = in.readWholeNumber("a number");
    read.cargoIntact = flag("the cargo flag (true or FALSE)");
    read.partyItem = in.readNumberInRange(itemCodeRange("the party's item"), 0, kLastItemCode);
    read.dungeonCity = in.readNumberInRange(cityRange("the dungeon's city", 0, cities), 0, cities);
    read.dungeonNumber =
        in.readNumberInRange("the dungeon's number, from 0 to 100", 0, kMaxSitesPerCity);
    read.leader =
        in.readNumberInRange("the leader's adventurer number, from 0 to 1000", 0, kMaxAdventurers);
    read.partyName = readText(in, "the party's name");
    in.expectEndOfRecord("a party file has 36 lines", true);
    party = std::move(read);
}

}  // namespace

void loadGame(Game& running, int slot) {
    const std::string gamePath = slotGamePath(slot);
    const std::filesystem::path slotDirectory = running.paths.resolve(gamePath);
    // Another game may not swap the slot while it is read.
    const SlotLock lock(slotDirectory, running.paths.shownPath(gamePath), SlotAccess::Read);
    recoverInterruptedSwap(slotDirectory);

    // The slot is read into a world of its own; the running game changes only when
    // every file was read.
    auto state = std::make_unique<GameState>();
    Game building(*state, running.paths, running.dice, running.presenter);
    buildFreshWorld(building, loadNameLists(running.paths), {.populate = false, .progress = {}});
    SlotReader(*state, running.paths, slot).read();

    state->commandCity = running.state.commandCity;
    state->infoAdventurer = running.state.infoAdventurer;
    running.state = std::move(*state);
    running.currentParty = 0;
    running.scriptStopFlag = false;
    running.eventStopFlag = false;
    running.mainCharacterDied = false;
    markProgressKept(running);
    running.presenter.startFreshAnnouncements();
    running.presenter.enableGuildButtons();
    startPlayLog(running, "load " + std::to_string(slot), slotDirectory);
}

}  // namespace orrowvale
