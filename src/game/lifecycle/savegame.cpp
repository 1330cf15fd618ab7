#include "lifecycle/savegame.h"

#include <fstream>
#include <utility>
#include <vector>

#include "Presenter.h"
#include "game.h"
#include "parties/partyrecord.h"
#include "world/adventurer.h"
#include "world/datafiles.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

constexpr int kSlotSummaryLines = 5;

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

// Builds every file of one slot in memory, in the order the main file names them.
// An adventurer's or party's file belongs to the marker line that announces it, and
// "mainchr.adv" comes just before `mainchrnum`. Errors name the files in
// `shownSlot`, the slot folder as messages show it.
class SlotWriter {
  public:
    SlotWriter(const GameState& state, std::string shownSlot)
        : state_(state), shownSlot_(std::move(shownSlot)), main_(shown("mainsave.sav")) {}

    std::vector<SlotFile> build() {
        writeHeader();
        writePlacesAndPeople();
        writePlayer();
        writeSitesAndCampaigns();
        writeScriptsAndTrade();
        files_.push_back({"mainsave.sav", main_.bytes()});
        return std::move(files_);
    }

  private:
    void add(std::string name, std::string bytes) {
        files_.push_back({std::move(name), std::move(bytes)});
    }

    std::string shown(std::string_view name) const { return shownSlot_ + "/" + std::string(name); }

    void writeHeader() {
        main_.writeLine(state_.mainCharacter().name);
        for (std::int32_t value :
             {state_.gameYear, state_.gameMonth, state_.gameWeek, state_.gameTurn, state_.gold})
            main_.writeNumber(value);
        for (std::uint8_t branch : state_.guildBranches)
            writeFlag(main_, branch != 0);
        for (std::uint8_t on : state_.switches)
            writeFlag(main_, on != 0);
    }

    void writePlacesAndPeople() {
        for (const auto& city : state_.cityPlaces)
            for (const Place& place : city) {
                main_.writeLine(place.name);
                main_.writeLine(place.eventFile);
            }
        for (std::int32_t count : state_.cityPlaceCount)
            main_.writeNumber(count);
        for (int i = 1; i <= kMaxAdventurers; ++i) {
            const TAdven& adventurer = state_.adventurers[i];
            if (adventurer.isFree()) {
                main_.writeLine(kNone);
                continue;
            }
            main_.writeLine("adv");
            const std::string name = "adv" + std::to_string(i) + ".adv";
            add(name, adventurerFileBytes(adventurer, shown(name)));
        }
        for (const auto& row : state_.guildRoster)
            for (std::int32_t number : row)
                main_.writeNumber(number);
        for (int p = 1; p <= kMaxParties; ++p) {
            const TParty& party = state_.parties[p];
            if (!party.inUse) {
                main_.writeLine(kNone);
                continue;
            }
            main_.writeLine("prt");
            const std::string name = "prt" + std::to_string(p) + ".prt";
            add(name, partyFileBytes(party, shown(name)));
        }
    }

    void writePlayer() {
        main_.writeNumber(state_.currentCity);
        for (std::int32_t nation : state_.cityNations)
            main_.writeNumber(nation);
        main_.writeNumber(state_.characterNumber);
        main_.writeNumber(state_.playerNation);
        add("mainchr.adv", adventurerFileBytes(state_.mainCharacter(), shown("mainchr.adv")));
        main_.writeNumber(state_.mainchrnum);
    }

    void writeSitesAndCampaigns() {
        for (const auto& city : state_.searchSites)
            for (const SearchSite& site : city) {
                main_.writeLine(site.name);
                main_.writeLine(site.file);
                writeFlag(main_, site.open != 0);
            }
        for (const auto& city : state_.dungeonSites)
            for (const DungeonSite& site : city) {
                main_.writeLine(site.name);
                main_.writeLine(site.file);
                writeFlag(main_, site.open != 0);
                main_.writeNumber(site.deepestLevel);
            }
        for (const War& war : state_.wars) {
            main_.writeLine(war.name);
            main_.writeLine(war.file);
            writeFlag(main_, war.active != 0);
        }
        for (const Quest& quest : state_.quests) {
            main_.writeLine(quest.name);
            main_.writeLine(quest.file);
            writeFlag(main_, quest.active != 0);
            main_.writeNumber(quest.turnsLeft);
        }
    }

    void writeScriptsAndTrade() {
        for (const std::string& file : state_.scenarioFiles)
            main_.writeLine(file);
        for (std::int32_t value : state_.scriptVariables)
            main_.writeNumber(value);
        for (std::int32_t fame : {state_.adventureFame, state_.politicalFame, state_.covertFame})
            main_.writeNumber(fame);
        for (const auto& city : state_.tradeGoods)
            for (const TradeGood& good : city) {
                main_.writeLine(good.name);
                for (std::int32_t value : {good.pay, good.ambushRisk, good.cargoRisk, good.turns})
                    main_.writeNumber(value);
            }
        for (std::int32_t item : state_.guildItems)
            main_.writeNumber(item);
    }

    const GameState& state_;
    std::string shownSlot_;
    TextFileWriter main_;
    std::vector<SlotFile> files_;
};

// The first five lines of a used slot's main file, as the slot list shows them.
std::string describeSlot(const std::filesystem::path& mainFile, const std::string& shown) {
    std::ifstream in(mainFile, std::ios::binary);
    std::string head;
    std::string line;
    for (int i = 0; i < kSlotSummaryLines && std::getline(in, line); ++i)
        head += line + "\n";
    if (!in.is_open() || in.bad()) throw DataError(shown, 0, "cannot read the file");
    LineReader reader = LineReader::fromBytes(std::move(head), shown);
    std::string text = reader.readLine();
    if (reader.atEnd() && text.empty()) reader.failAtEnd("the main character's name");
    const char* units[] = {"년 ", "월 ", "주 ", "턴"};
    const char* what[] = {"the year", "the month", "the week", "the turn"};
    text += ": ";
    for (int i = 0; i < 4; ++i)
        text += std::to_string(reader.readWholeNumber(what[i])) + units[i];
    return text;
}

}  // namespace

std::string slotGamePath(int slot) {
    if (slot < 1 || slot > kSaveSlots)
        throw std::out_of_range("save slot " + std::to_string(slot) + " is outside 1..10");
    return "data\\save\\save" + std::to_string(slot);
}

std::string partyFileBytes(const TParty& p, const std::string& displayName) {
    TextFileWriter out(displayName);
    for (std::int32_t member : p.members)
        out.writeNumber(member);
    for (std::int32_t slot : p.formation)
        out.writeNumber(slot);
    out.writeNumber(p.location);
    writePartyFlag(out, p.inUse);
    writePartyFlag(out, p.onMission);
    out.writeNumber(p.missionKind);
    out.writeLine(p.missionFile);
    out.writeNumber(p.missionValue);
    writePartyFlag(out, p.travelling);
    for (std::int32_t value :
         {p.travelTurnsLeft, p.travelDestination, p.missionGold, p.missionRisk, p.missionLevel})
        out.writeNumber(value);
    writePartyFlag(out, p.cargoIntact);
    for (std::int32_t value : {p.partyItem, p.dungeonCity, p.dungeonNumber, p.leader})
        out.writeNumber(value);
    out.writeLine(p.partyName);
    return out.bytes();
}

void saveParty(const TParty& party, const std::filesystem::path& file,
               const std::string& displayName) {
    const std::string bytes = partyFileBytes(party, displayName);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (out) out.flush();
    if (!out) throw DataError(displayName, 0, "cannot write the file");
}

std::array<std::string, kSaveSlots> listSaveSlots(const GamePaths& paths) {
    std::array<std::string, kSaveSlots> lines;
    for (int slot = 1; slot <= kSaveSlots; ++slot) {
        std::string& line = lines[static_cast<std::size_t>(slot - 1)];
        line = "빈 공간";
        // With nowhere to save nothing was ever saved; the windows say why.
        if (paths.saveFolder().place == SaveFolder::Place::Nowhere) continue;
        const std::string gamePath = fileGamePath(slot, "mainsave.sav");
        try {
            const std::filesystem::path slotDirectory = paths.resolve(slotGamePath(slot));
            const SlotLock lock(slotDirectory, shownSlot(paths, slot), SlotAccess::Read);
            recoverInterruptedSwap(slotDirectory);
            const std::filesystem::path mainFile = paths.resolve(gamePath);
            std::error_code ec;
            if (!std::filesystem::exists(mainFile, ec)) continue;
            line = describeSlot(mainFile, paths.shownPath(gamePath));
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
    if (slotHoldsSave(game.paths, slot)) {
        const std::string held = listSaveSlots(game.paths)[static_cast<std::size_t>(slot - 1)];
        const std::string question =
            std::to_string(slot) + kSlotInUse + "\n" + held + "\n" + kOverwriteQuestion;
        if (!game.presenter.confirm(question, DefaultAnswer::No)) return false;
    }
    saveGame(game.state, game.paths, slot, {});
    markProgressKept(game);
    return true;
}

bool slotHoldsSave(const GamePaths& paths, int slot) {
    if (paths.saveFolder().place == SaveFolder::Place::Nowhere) return false;
    recoverInterruptedSwap(paths.resolve(slotGamePath(slot)));
    std::error_code ec;
    return std::filesystem::exists(paths.resolve(fileGamePath(slot, "mainsave.sav")), ec);
}

// FNV-1a over the files a save would write, names and bytes: cheap next to the
// disk, and any change a save would keep changes it.
std::optional<std::uint64_t> progressDigest(const GameState& state) {
    constexpr std::uint64_t kOffset = 14695981039346656037ULL;
    constexpr std::uint64_t kPrime = 1099511628211ULL;
    std::uint64_t digest = kOffset;
    auto add = [&](const std::string& bytes) {
        for (unsigned char byte : bytes)
            digest = (digest ^ byte) * kPrime;
        digest = (digest ^ 0xFFU) * kPrime;  // keeps "ab"+"c" apart from "a"+"bc"
    };
    try {
        for (const SlotFile& file : SlotWriter(state, GamePaths::shown(slotGamePath(1))).build()) {
            add(file.name);
            add(file.bytes);
        }
    } catch (const DataError&) {
        return std::nullopt;
    }
    return digest;
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
    const std::string shown = shownSlot(paths, slot);
    // Every file is built before the disk is touched, so a name CP949 cannot hold
    // fails the save with the old slot untouched.
    std::vector<SlotFile> files = SlotWriter(state, shown).build();
    const std::filesystem::path slotDirectory = paths.resolve(slotGamePath(slot));
    const SlotLock lock(slotDirectory, shown, SlotAccess::Write);
    replaceSlotDirectory(slotDirectory, shown, files, beforeStep);
}

std::string saveFolderNote(const GamePaths& paths) {
    if (paths.saveFolder().place == SaveFolder::Place::Nowhere)
        return "저장할 곳이 없습니다. HOME 환경 변수를 설정한 뒤 게임을 다시 시작하십시오.";
    return "저장 폴더: " + paths.saveFolderPath().string();
}

}  // namespace orrowvale
