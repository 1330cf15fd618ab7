#include "kinds.h"
#include "slips.h"
#include "world/adventurer.h"
#include "world/datafiles.h"
#include "world/gamestate.h"

namespace orrowvale::check {
namespace {

constexpr int kStoryCharacters = 2;
constexpr int kRandomPlayCharacter = 200;

void checkPlaceList(Core& core, const std::string& gamePath) {
    auto file = core.load(gamePath);
    if (!file) return;
    Cursor c(*file);
    if (!c.atEnd()) c.read();
    int city = 1;
    std::map<int, int> places;
    while (!c.atEnd()) {
        std::string line = c.read();
        // The game would take a slipped marker for a place name; it is read as meant.
        if (std::string_view meant = slippedMarker(line, {marker::end, marker::city});
            !meant.empty()) {
            core.error(c, slippedMarkerMessage(line, meant));
            line = std::string(meant);
        }
        if (line == marker::end) break;
        if (line == marker::city) {
            auto next = core.numberToken(c, "a city number");
            city = next && core.inTable(*next, Operand::City, {file->shown, c.line()}) ? *next : 0;
            continue;
        }
        Where at{file->shown, c.line()};
        if (c.atEnd()) {
            core.error(at, "the place " + inQuotes(line) + " has no event file line");
            break;
        }
        std::string eventFile = c.read();
        if (auto path = core.named(eventFile, {file->shown, c.line()}, "event file"))
            core.queue(*path, Layout::Event);
        if (city > 0 && ++places[city] > kMaxPlacesPerCity)
            core.error(at, "city " + std::to_string(city) +
                               " has more than 100 places: " + inQuotes(line) + " is dropped");
    }
}

void checkCityNumberList(Core& core, const std::string& gamePath) {
    auto file = core.load(gamePath);
    if (!file) return;
    Cursor c(*file);
    if (!core.readUpToStart(c, "it offers no city")) return;
    while (!c.atEnd()) {
        const std::string& line = c.read();
        if (line == marker::end) return;
        std::int32_t city = 0;
        if (!parseWholeNumber(line, city))
            core.error(c, "expected a city number or \"[END]\", found " +
                              (line.empty() ? std::string("an empty line") : inQuotes(line)));
        else
            core.inTable(city, Operand::City, {file->shown, c.line()});
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
    if (auto names = core.loadFixed("data\\chrname" + number + ".txt");
        names && names->lines.size() < 3)
        core.error(names->at(static_cast<int>(names->lines.size())),
                   "a story character needs a name, a sex and a home line");
    auto file = core.loadFixed("data\\chrstat" + number + ".txt");
    if (!file) return;
    Cursor c(*file);
    core.wholeNumber(c, "the starting gold");
    if (auto city = core.wholeNumber(c, "the starting city"))
        core.inTable(*city, Operand::City, {file->shown, 2});
    auto characterNumber = core.wholeNumber(c, "the character number");
    std::string lines[3];
    for (std::string& line : lines) {
        if (c.atEnd()) {
            core.error(c, "the file ends before its six lines");
            return;
        }
        line = c.read();
    }
    if (auto adventurer = core.named(lines[0], {file->shown, 4}, "adventurer file")) {
        core.load(*adventurer);
        loadAdventurerAsTheGameDoes(core, *adventurer);
    }
    if (auto places = core.named(lines[1], {file->shown, 5}, "place list"))
        checkPlaceList(core, *places);
    if (auto cities = core.named(lines[2], {file->shown, 6}, "city number list"))
        checkCityNumberList(core, *cities);
    if (!characterNumber) return;
    std::string events = std::to_string(static_cast<std::int16_t>(*characterNumber));
    if (auto date =
            core.named("dateevn\\dateevn" + events + ".evn", {file->shown, 3}, "date event file"))
        core.queue(*date, Layout::Event);
    if (auto pub = core.named("pubevent" + events + ".evn", {file->shown, 3}, "pub event file")) {
        core.state().pubEvents.insert(*pub);
        core.queue(*pub, Layout::Event);
    }
}

// The map window shows this adventurer in its information window every time it opens.
void checkMapAdventurer(Core& core) {
    if (core.loadFixed("data\\richard.txt", Severity::Error, ": the map window cannot open"))
        loadAdventurerAsTheGameDoes(core, "data\\richard.txt");
}

// The lists of places and cities every game starts from, the story characters and the
// adventurer of random play.
void checkCharacters(Core& core) {
    if (auto places = core.fixed("data\\common\\commongo.txt")) checkPlaceList(core, *places);
    if (auto cities = core.fixed("data\\common\\commoncity.txt"))
        checkCityNumberList(core, *cities);
    for (int character = 0; character < kStoryCharacters; ++character)
        checkStoryCharacter(core, character);
    checkMapAdventurer(core);
    if (auto date =
            core.fixed("data\\dateevn\\dateevn" + std::to_string(kRandomPlayCharacter) + ".evn"))
        core.queue(*date, Layout::Event);
    if (auto pub = core.fixed("data\\pubevent" + std::to_string(kRandomPlayCharacter) + ".evn")) {
        core.state().pubEvents.insert(*pub);
        core.queue(*pub, Layout::Event);
    }
}

}  // namespace

const FileKind charactersKind = {
    .checkFiles = checkCharacters, .layout = {}, .checkScript = nullptr};

}  // namespace orrowvale::check
