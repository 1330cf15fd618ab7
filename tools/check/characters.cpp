#include "city/pub.h"
#include "kinds.h"
#include "slips.h"
#include "world/adventurer.h"
#include "world/datafiles.h"
#include "world/gamestate.h"

namespace orrowvale::check {
namespace {

constexpr int kRandomPlayCharacter = 200;

void checkPlaceList(Core& core, const std::string& gamePath) {
    auto file = core.load(gamePath);
    if (!file) return;
    Cursor cursor(*file);
    if (!cursor.atEnd()) cursor.read();
    int city = 1;
    std::map<int, int> places;
    while (!cursor.atEnd()) {
        std::string line = cursor.read();
        // The game would take a slipped marker for a place name; it is read as meant.
        if (std::string_view meant = slippedMarker(line, {marker::end, marker::city});
            !meant.empty()) {
            core.error(cursor, slippedMarkerMessage(line, meant));
            line = std::string(meant);
        }
        if (line == marker::end) break;
        if (line == marker::city) {
            auto next = core.readNumberToken(cursor, "a city number");
            city = next && core.inTable(*next, Operand::City, cursor.here()) ? *next : 0;
            continue;
        }
        Where at = cursor.here();
        if (cursor.atEnd()) {
            core.error(at, "the place " + inQuotes(line) + " has no event file line");
            break;
        }
        std::string eventFile = cursor.read();
        if (auto path = core.namedFile(eventFile, cursor.here(), "event file"))
            core.queue(*path, Layout::Event);
        if (city > 0 && ++places[city] > kMaxPlacesPerCity)
            core.error(at, "city " + std::to_string(city) +
                               " has more than 100 places: " + inQuotes(line) + " is dropped");
    }
}

void checkCityNumberList(Core& core, const std::string& gamePath) {
    auto file = core.load(gamePath);
    if (!file) return;
    Cursor cursor(*file);
    if (!core.readUpToStart(cursor, "it offers no city")) return;
    while (!cursor.atEnd()) {
        const std::string& line = cursor.read();
        if (line == marker::end) return;
        std::int32_t city = 0;
        if (!parseWholeNumber(line, city))
            core.error(cursor, "expected a city number or \"[END]\", found " +
                                   (line.empty() ? std::string("an empty line") : inQuotes(line)));
        else
            core.inTable(city, Operand::City, cursor.here());
    }
}

void loadAdventurerAsTheGameDoes(Core& core, const std::string& gamePath) {
    core.runGameLoader(gamePath, [&] {
        TAdven adventurer;
        loadAdventurer(adventurer, core.paths(), gamePath);
    });
}

void checkStoryCharacter(Core& core, int character) {
    std::string number = std::to_string(character);
    if (auto names = core.loadFixedFile("data\\chrname" + number + ".txt");
        names && names->lines.size() < 3)
        core.error(names->at(static_cast<int>(names->lines.size())),
                   "a story character needs a name, a sex and a home line");
    auto file = core.loadFixedFile("data\\chrstat" + number + ".txt");
    if (!file) return;
    Cursor cursor(*file);
    core.readNumberLine(cursor, "the starting gold");
    if (auto city = core.readNumberLine(cursor, "the starting city"))
        core.inTable(*city, Operand::City, file->at(2));
    auto characterNumber = core.readNumberLine(cursor, "the character number");
    // The adventurer file, the place list and the city number list.
    std::string namedFiles[3];
    for (std::string& name : namedFiles) {
        if (cursor.atEnd()) {
            core.error(cursor, "the file ends before its six lines");
            return;
        }
        name = cursor.read();
    }
    if (auto adventurer = core.namedFile(namedFiles[0], file->at(4), "adventurer file")) {
        core.load(*adventurer);
        loadAdventurerAsTheGameDoes(core, *adventurer);
    }
    if (auto places = core.namedFile(namedFiles[1], file->at(5), "place list"))
        checkPlaceList(core, *places);
    if (auto cities = core.namedFile(namedFiles[2], file->at(6), "city number list"))
        checkCityNumberList(core, *cities);
    if (!characterNumber) return;
    std::string events = std::to_string(static_cast<std::int16_t>(*characterNumber));
    if (auto date =
            core.namedFile("dateevn\\dateevn" + events + ".evn", file->at(3), "date event file"))
        core.queue(*date, Layout::Event);
    if (auto pub = core.namedFile("pubevent" + events + ".evn", file->at(3), "pub event file")) {
        core.state().pubEvents.insert(*pub);
        core.queue(*pub, Layout::Event);
    }
}

// The map window shows this adventurer in its information window every time it opens.
void checkMapAdventurer(Core& core) {
    if (core.loadFixedFile("data\\richard.txt", Severity::Error, ": the map window cannot open"))
        loadAdventurerAsTheGameDoes(core, "data\\richard.txt");
}

// A city's own pub events are there only when the city has them.
void checkCityPubs(Core& core) {
    GameState where;
    for (int city = 1; city <= kMaxCities; ++city) {
        where.currentCity = city;
        const std::string file = cityPubEventFile(where);
        if (!core.paths().hasDataFile(file)) continue;
        if (auto pub = core.fixedFile("data\\" + file)) {
            core.state().pubEvents.insert(*pub);
            core.queue(*pub, Layout::Event);
        }
    }
}

// The lists of places and cities every game starts from, the story characters and the
// adventurer of random play.
void checkCharacters(Core& core) {
    if (auto places = core.fixedFile("data\\common\\commongo.txt")) checkPlaceList(core, *places);
    if (auto cities = core.fixedFile("data\\common\\commoncity.txt"))
        checkCityNumberList(core, *cities);
    for (int character = 0; character < kStoryCharacters; ++character)
        checkStoryCharacter(core, character);
    checkMapAdventurer(core);
    if (auto date = core.fixedFile("data\\dateevn\\dateevn" + std::to_string(kRandomPlayCharacter) +
                                   ".evn"))
        core.queue(*date, Layout::Event);
    if (auto pub =
            core.fixedFile("data\\pubevent" + std::to_string(kRandomPlayCharacter) + ".evn")) {
        core.state().pubEvents.insert(*pub);
        core.queue(*pub, Layout::Event);
    }
    checkCityPubs(core);
}

}  // namespace

const FileKind charactersKind = {
    .checkFiles = checkCharacters, .layout = {}, .checkScript = nullptr};

}  // namespace orrowvale::check
