#include "lifecycle/savegame.h"

#include <limits>
#include <utility>
#include <vector>

#include "Presenter.h"
#include "game.h"
#include "lifecycle/playlog.h"
#include "parties/partyrecord.h"
#include "world/adventurer.h"
#include "world/datafiles.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"
#include "world/statelimits.h"

namespace orrowvale {
namespace {

constexpr int kSlotSummaryLines = 5;

// Every text of a main file at its longest (two CP949 bytes a character) and every
// other line at its widest ("-2147483648") still make a file the loader reads.
constexpr std::uintmax_t kMainFileLines = 206813;
constexpr std::uintmax_t kMainFileTexts =
    1 + 2 * kMaxCities * (kMaxPlacesPerCity + 2 * kMaxSitesPerCity) + 2 * (kMaxWars + kMaxQuests) +
    kMaxScenarioFiles + kMaxCities * kTradeSlotsPerCity;
static_assert(kMainFileTexts * (2 * kMaxTextCharacters + 2) +
                  (kMainFileLines - kMainFileTexts) * std::string_view("-2147483648\r\n").size() <=
              GamePaths::kMaxFileBytes);

// A main file is mostly short lines, a few bytes each: room for that many up front.
constexpr std::size_t kMainFileReserve = kMainFileLines * 6;

std::string fileGamePath(int slot, std::string_view name) {
    return slotGamePath(slot) + "\\" + std::string(name);
}

// How messages name slot 1..10: "data/save/save3" in the game directory, the whole
// path when the slot is in the player's home.
std::string shownSlot(const GamePaths& paths, int slot) {
    return paths.shownPath(slotGamePath(slot));
}

// The main file spells truth "true" / "false"; a party file "true" / "FALSE".
void writeFlag(TextFileWriter& out, bool on) {
    out.writeLine(on ? "true" : "false");
}

void writePartyFlag(TextFileWriter& out, bool on) {
    out.writeLine(on ? "true" : "FALSE");
}

// The 36 lines of a party file.
void writePartyLines(const TParty& p, TextFileWriter& out) {
    for (std::int32_t member : p.members)
        out.writeNumberInRange(member, 0, kMaxAdventurers, "a member's number");
    for (std::int32_t slot : p.formation)
        out.writeNumberInRange(slot, 0, kPartySize, "a formation slot");
    out.writeNumberInRange(p.location, 0, kMaxCities, "the party's city");
    writePartyFlag(out, p.inUse);
    writePartyFlag(out, p.onMission);
    out.writeNumber(p.missionKind);
    out.writeFileName(p.missionFile);
    out.writeNumber(p.missionValue);
    writePartyFlag(out, p.travelling);
    out.writeNumberInRange(p.travelTurnsLeft, 0, std::numeric_limits<std::int32_t>::max(),
                           "the travel turns left");
    out.writeNumberInRange(p.travelDestination, 0, kMaxCities, "the destination city");
    for (std::int32_t value : {p.missionGold, p.missionRisk, p.missionLevel})
        out.writeNumber(value);
    writePartyFlag(out, p.cargoIntact);
    out.writeNumberInRange(p.partyItem, 0, kLastItemCode, "the party's item");
    out.writeNumberInRange(p.dungeonCity, 0, kMaxCities, "the dungeon's city");
    out.writeNumberInRange(p.dungeonNumber, 0, kMaxSitesPerCity, "the dungeon's number");
    out.writeNumberInRange(p.leader, 0, kMaxAdventurers, "the leader's number");
    out.writeLine(p.partyName);
}

// Builds every file of one slot in memory, in the order the main file names them.
// An adventurer's or party's file belongs to the marker line that announces it, and
// "mainchr.adv" comes just before `mainchrnum`. Errors name the files in
// `shownSlot`, the slot folder as messages show it.
// Or, keeping only a digest, runs every line of them through the same checks
// without building any file: a new world and every question about unsaved progress
// take a digest, and only a save needs the bytes.
class SlotWriter {
  public:
    SlotWriter(const GameState& state, std::string shownSlot,
               TextFileWriter::Keeps keeps = TextFileWriter::Keeps::Bytes)
        : state_(state),
          shownSlot_(std::move(shownSlot)),
          keeps_(keeps),
          main_(shown("mainsave.sav"), keeps) {
        if (keeps == TextFileWriter::Keeps::Bytes) main_.reserve(kMainFileReserve);
    }

    std::vector<SlotFile> build() {
        writeAll();
        files_.push_back({"mainsave.sav", std::move(main_).takeBytes()});
        // The limits above keep every file far below this; a save still never writes
        // a file the loader would refuse.
        for (const SlotFile& file : files_)
            if (file.bytes.size() > GamePaths::kMaxFileBytes)
                throw DataError(shown(file.name), 0, "the file would be too large to load again");
        return std::move(files_);
    }

    // The digest of every line the slot's files would hold, each file's lines after
    // its name; the writer was made to keep a digest.
    std::uint64_t digest() {
        writeAll();
        return main_.digest();
    }

  private:
    void writeAll() {
        writeHeader();
        writePlacesAndPeople();
        writePlayer();
        writeSitesAndCampaigns();
        writeScriptsAndTrade();
        writeHeardNames();
        writeGoals();
    }

    // Whether the closing chapter is open, then the goals announced: no file while
    // it is not.
    void writeGoals() {
        if (!state_.closingChapter) return;
        add(std::string(kGoalsFile), [this](TextFileWriter& out) {
            out.writeLine("open");
            for (const std::string& key : state_.goalsAnnounced)
                out.writeLine(key);
        });
    }

    // Kept beside the main file, whose shape stays that of every save before: a
    // game that has heard no name writes no such file.
    void writeHeardNames() {
        if (state_.heardNames.empty()) return;
        add(std::string(kHeardNamesFile), [this](TextFileWriter& out) {
            for (const std::string& name : state_.heardNames)
                out.writeLine(name);
        });
    }

    // Adds the file `name`, its lines written by `writeLines` into the writer given.
    template <typename WriteLines>
    void add(std::string name, WriteLines writeLines) {
        if (digestOnly()) {
            main_.writeLine(name);
            writeLines(main_);
            return;
        }
        TextFileWriter out(shown(name));
        writeLines(out);
        files_.push_back({std::move(name), std::move(out).takeBytes()});
    }

    bool digestOnly() const { return keeps_ == TextFileWriter::Keeps::Digest; }

    std::string shown(std::string_view name) const { return shownSlot_ + "/" + std::string(name); }

    void writeHeader() {
        main_.writeLine(state_.mainCharacter().name);
        main_.writeNumberInRange(state_.gameYear, kFirstYear, kLastYear, "the year");
        main_.writeNumberInRange(state_.gameMonth, 1, kMonthsPerYear, "the month");
        main_.writeNumberInRange(state_.gameWeek, 1, kWeeksPerMonth, "the week");
        main_.writeNumberInRange(state_.gameTurn, 1, kTurnsPerWeek, "the turn");
        main_.writeNumber(state_.gold);
        for (std::uint8_t branch : state_.guildBranches)
            writeFlag(main_, branch != 0);
        for (std::uint8_t on : state_.switches)
            writeFlag(main_, on != 0);
    }

    void writePlacesAndPeople() {
        for (const auto& city : state_.cityPlaces)
            for (const Place& place : city) {
                main_.writeLine(place.name);
                main_.writeFileName(place.eventFile);
            }
        for (std::int32_t count : state_.cityPlaceCount)
            main_.writeNumberInRange(count, 0, kMaxPlacesPerCity, "a city's place count");
        for (int i = 1; i <= kMaxAdventurers; ++i) {
            const TAdven& adventurer = state_.adventurers[i];
            if (adventurer.isFree()) {
                main_.writeLine(kNone);
                continue;
            }
            main_.writeLine("adv");
            add("adv" + std::to_string(i) + ".adv",
                [&](TextFileWriter& out) { writeAdventurerLines(adventurer, out); });
        }
        for (const auto& row : state_.guildRoster)
            for (std::int32_t number : row)
                main_.writeNumberInRange(number, 0, kMaxAdventurers, "a guild member's number");
        for (int p = 1; p <= kMaxParties; ++p) {
            const TParty& party = state_.parties[p];
            if (!party.inUse) {
                main_.writeLine(kNone);
                continue;
            }
            main_.writeLine("prt");
            add("prt" + std::to_string(p) + ".prt",
                [&](TextFileWriter& out) { writePartyLines(party, out); });
        }
    }

    void writePlayer() {
        main_.writeNumberInRange(state_.currentCity, 1, kMaxCities, "the current city");
        for (std::int32_t nation : state_.cityNations)
            main_.writeNumber(nation);
        main_.writeNumber(state_.characterNumber);
        main_.writeNumber(state_.playerNation);
        add("mainchr.adv",
            [&](TextFileWriter& out) { writeAdventurerLines(state_.mainCharacter(), out); });
        main_.writeNumberInRange(state_.mainchrnum, 1, kMaxAdventurers,
                                 "the main character's number");
    }

    void writeSitesAndCampaigns() {
        for (const auto& city : state_.searchSites)
            for (const SearchSite& site : city) {
                main_.writeLine(site.name);
                main_.writeFileName(site.file);
                writeFlag(main_, site.open != 0);
            }
        for (const auto& city : state_.dungeonSites)
            for (const DungeonSite& site : city) {
                main_.writeLine(site.name);
                main_.writeFileName(site.file);
                writeFlag(main_, site.open != 0);
                main_.writeNumber(site.deepestLevel);
            }
        for (const War& war : state_.wars) {
            main_.writeLine(war.name);
            main_.writeFileName(war.file);
            writeFlag(main_, war.active != 0);
        }
        for (const Quest& quest : state_.quests) {
            main_.writeLine(quest.name);
            main_.writeFileName(quest.file);
            writeFlag(main_, quest.active != 0);
            main_.writeNumber(quest.turnsLeft);
        }
    }

    void writeScriptsAndTrade() {
        for (const std::string& file : state_.scenarioFiles)
            main_.writeFileName(file);
        for (std::int32_t value : state_.scriptVariables)
            main_.writeNumber(value);
        for (std::int32_t fame : {state_.adventureFame, state_.politicalFame, state_.covertFame})
            main_.writeNumber(fame);
        for (const auto& city : state_.tradeGoods)
            for (const TradeGood& good : city) {
                main_.writeFileName(good.name);  // a transport's mission file
                for (std::int32_t value : {good.pay, good.ambushRisk, good.cargoRisk, good.turns})
                    main_.writeNumber(value);
            }
        for (std::int32_t item : state_.guildItems)
            main_.writeNumberInRange(item, 0, kLastItemCode, "an item code");
    }

    const GameState& state_;
    std::string shownSlot_;
    TextFileWriter::Keeps keeps_;
    TextFileWriter main_;
    std::vector<SlotFile> files_;
};

// The first five lines of a used slot's main file, as the slot list shows them.
// Only those lines are read, and only from a plain file the loader would read.
std::string describeSlot(const std::filesystem::path& mainFile, const std::string& shown) {
    LineReader reader = LineReader::fromBytes(
        readPlainFile(mainFile, shown, FileLinks::Refuse, kSlotSummaryLines), shown);
    std::string text = reader.readLine();
    if (reader.atEnd() && text.empty()) reader.failAtEnd("the main character's name");
    const char* units[] = {"년 ", "월 ", "주 ", "턴"};
    const char* what[] = {"the year", "the month", "the week", "the turn"};
    text += ": ";
    for (int i = 0; i < 4; ++i)
        text += std::to_string(reader.readWholeNumber(what[i])) + units[i];
    return text;
}

// The line of one used slot, or "" when it holds no save. Reads without moving,
// making or locking anything: the windows list the slots each time they open.
std::string slotLine(const GamePaths& paths, int slot) {
    namespace fs = std::filesystem;
    const std::string gamePath = fileGamePath(slot, "mainsave.sav");
    const fs::path slotDirectory = paths.resolve(slotGamePath(slot));
    const fs::path standing = standingSlot(slotDirectory);
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(standing, ec)))
        throw DataError(shownSlot(paths, slot), 0, "the slot is a symbolic link");
    const fs::path mainFile =
        standing == slotDirectory ? paths.resolve(gamePath) : standing / "mainsave.sav";
    if (!fs::exists(fs::symlink_status(mainFile, ec))) return {};
    return describeSlot(mainFile, paths.shownPath(gamePath));
}

// A world archive may carry "data" or "data\save" as a link out of the game
// directory: saves go only into folders the game directory really holds.
void refuseLinkedSaveFolder(const GamePaths& paths) {
    if (paths.saveFolder().place != SaveFolder::Place::GameDirectory) return;
    for (const char* gamePath : {"data", "data\\save"}) {
        std::error_code ec;
        if (std::filesystem::is_symlink(
                std::filesystem::symlink_status(paths.resolve(gamePath), ec)))
            throw DataError(GamePaths::shown(gamePath), 0,
                            "it is a symbolic link, and the game never saves through one; "
                            "nothing was changed: remove the link");
    }
}

// Builds every file of the game, then writes them into slot 1..10.
void writeSlot(const GameState& state, const GamePaths& paths, int slot,
               const SlotStepHook& beforeStep) {
    const std::string shown = shownSlot(paths, slot);
    // Every file is built before the disk is touched, so a name CP949 cannot hold
    // fails the save with the old slot untouched.
    std::vector<SlotFile> files = SlotWriter(state, shown).build();
    refuseLinkedSaveFolder(paths);
    const std::filesystem::path slotDirectory = paths.resolve(slotGamePath(slot));
    const SlotLock lock(slotDirectory, shown, SlotAccess::Write);
    replaceSlotDirectory(slotDirectory, shown, files, beforeStep);
}

}  // namespace

std::string slotGamePath(int slot) {
    if (slot < 1 || slot > kSaveSlots)
        throw std::out_of_range("save slot " + std::to_string(slot) + " is outside 1..10");
    return "data\\save\\save" + std::to_string(slot);
}

std::string partyFileBytes(const TParty& party, const std::string& displayName) {
    TextFileWriter out(displayName);
    writePartyLines(party, out);
    return std::move(out).takeBytes();
}

void saveParty(const TParty& party, const std::filesystem::path& file,
               const std::string& displayName) {
    writePlainFile(file, partyFileBytes(party, displayName), displayName);
}

std::array<std::string, kSaveSlots> listSaveSlots(const GamePaths& paths) {
    std::array<std::string, kSaveSlots> lines;
    for (int slot = 1; slot <= kSaveSlots; ++slot) {
        std::string& line = lines[static_cast<std::size_t>(slot - 1)];
        line = "빈 공간";
        // With nowhere to save nothing was ever saved; the windows say why.
        if (paths.saveFolder().place == SaveFolder::Place::Nowhere) continue;
        try {
            if (std::string used = slotLine(paths, slot); !used.empty()) line = std::move(used);
        } catch (const DataError& error) {
            line = "읽을 수 없는 슬롯 (" + std::string(error.what()) + ")";
        }
    }
    return lines;
}

ListRows saveSlotRows(const GamePaths& paths) {
    ListRows rows;
    int slot = 0;
    for (std::string& line : listSaveSlots(paths))
        rows.push_back({++slot, std::to_string(slot) + ". " + line});
    return rows;
}

void saveGame(const GameState& state, const GamePaths& paths, int slot) {
    saveGame(state, paths, slot, {});
}

bool saveToSlot(Game& game, int slot) {
    RecordedAction recorded(game);
    if (slotHoldsSave(game.paths, slot)) {
        const std::string held = listSaveSlots(game.paths)[static_cast<std::size_t>(slot - 1)];
        const std::string question =
            std::to_string(slot) + kSlotInUse + "\n" + held + "\n" + kOverwriteQuestion;
        if (!askPlayer(game, question, DefaultAnswer::No)) return false;
        // A replay may find the slot empty, or used: it is written either way.
        recorded.forgetAnswers();
    }
    writeSlot(game.state, game.paths, slot, {});
    game.keptProgress = progressDigest(game.state);
    recorded.setLine("save " + std::to_string(slot));
    return true;
}

bool slotHoldsSave(const GamePaths& paths, int slot) {
    if (paths.saveFolder().place == SaveFolder::Place::Nowhere) return false;
    const std::filesystem::path slotDirectory = paths.resolve(slotGamePath(slot));
    const std::filesystem::path standing = standingSlot(slotDirectory);
    std::error_code ec;
    if (standing != slotDirectory) return std::filesystem::exists(standing / "mainsave.sav", ec);
    return std::filesystem::exists(paths.resolve(fileGamePath(slot, "mainsave.sav")), ec);
}

std::optional<std::uint64_t> progressDigest(const GameState& state) {
    try {
        return SlotWriter(state, GamePaths::shown(slotGamePath(1)), TextFileWriter::Keeps::Digest)
            .digest();
    } catch (const DataError&) {
        return std::nullopt;
    }
}

void markProgressKept(Game& game) {
    game.keptProgress = progressDigest(game.state);
}

bool hasUnsavedProgress(const Game& game) {
    // No world was ever made (a creation failed before it): nothing to lose.
    if (game.mainCharacterDied || game.state.mainchrnum == 0) return false;
    if (!game.keptProgress) return true;
    const std::optional<std::uint64_t> now = progressDigest(game.state);
    return !now || *now != *game.keptProgress;
}

void saveGame(const GameState& state, const GamePaths& paths, int slot,
              const SlotStepHook& beforeStep) {
    writeSlot(state, paths, slot, beforeStep);
}

std::string saveFolderNote(const GamePaths& paths) {
    if (paths.saveFolder().place == SaveFolder::Place::Nowhere)
        return "저장할 곳이 없습니다. HOME 환경 변수를 설정한 뒤 게임을 다시 시작하십시오.";
    return "저장 폴더: " + paths.saveFolderPath().string();
}

}  // namespace orrowvale
