#include "kinds.h"
#include "slips.h"
#include "world/adventurer.h"
#include "world/datafiles.h"
#include "world/gamestate.h"

namespace orrowvale::check {
namespace {

constexpr int kStoryCharacters = 2;
constexpr int kRandomPlayCharacter = 200;

}  // namespace

namespace {

class Characters : public Core {
  public:
    explicit Characters(const Core& core) : Core(core) {}
    void checkAll();

  private:
    void checkPlaceList(const std::string& gamePath);
    void checkCityNumberList(const std::string& gamePath);
    void checkStoryCharacter(int character);
    void checkMapAdventurer();
};

}  // namespace

void Characters::checkPlaceList(const std::string& gamePath) {
    auto file = load(gamePath);
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
            error(c, slippedMarkerMessage(line, meant));
            line = std::string(meant);
        }
        if (line == marker::end) break;
        if (line == marker::city) {
            auto next = numberToken(c, "a city number");
            city = next && inTable(*next, Operand::City, {file->shown, c.line()}) ? *next : 0;
            continue;
        }
        Where at{file->shown, c.line()};
        if (c.atEnd()) {
            error(at, "the place " + inQuotes(line) + " has no event file line");
            break;
        }
        std::string eventFile = c.read();
        if (auto path = named(eventFile, {file->shown, c.line()}, "event file"))
            queue(*path, Layout::Event);
        if (city > 0 && ++places[city] > kMaxPlacesPerCity)
            error(at, "city " + std::to_string(city) +
                          " has more than 100 places: " + inQuotes(line) + " is dropped");
    }
}

void Characters::checkCityNumberList(const std::string& gamePath) {
    auto file = load(gamePath);
    if (!file) return;
    Cursor c(*file);
    bool started = false;
    while (!started && !c.atEnd())
        started = c.read() == marker::start;
    if (!started) {
        report_.warning(file->shown, 0, "the file has no \"[START]\": it offers no city");
        return;
    }
    while (!c.atEnd()) {
        const std::string& line = c.read();
        if (line == marker::end) return;
        std::int32_t city = 0;
        if (!parseWholeNumber(line, city))
            error(c, "expected a city number or \"[END]\", found " +
                         (line.empty() ? std::string("an empty line") : inQuotes(line)));
        else
            inTable(city, Operand::City, {file->shown, c.line()});
    }
}

void Characters::checkStoryCharacter(int character) {
    std::string number = std::to_string(character);
    if (auto names = loadFixed("data\\chrname" + number + ".txt"); names && names->lines.size() < 3)
        report_.error(names->shown, static_cast<int>(names->lines.size()),
                      "a story character needs a name, a sex and a home line");
    auto file = loadFixed("data\\chrstat" + number + ".txt");
    if (!file) return;
    Cursor c(*file);
    wholeNumber(c, "the starting gold");
    if (auto city = wholeNumber(c, "the starting city"))
        inTable(*city, Operand::City, {file->shown, 2});
    auto characterNumber = wholeNumber(c, "the character number");
    std::string lines[3];
    for (std::string& line : lines) {
        if (c.atEnd()) {
            error(c, "the file ends before its six lines");
            return;
        }
        line = c.read();
    }
    if (auto adventurer = named(lines[0], {file->shown, 4}, "adventurer file")) {
        load(*adventurer);
        try {
            TAdven mainCharacter;
            loadAdventurer(mainCharacter, paths_, *adventurer);
        } catch (const DataError& e) {
            report_.error(shownPath(*adventurer), e.line(), e.problem());
        }
    }
    if (auto places = named(lines[1], {file->shown, 5}, "place list")) checkPlaceList(*places);
    if (auto cities = named(lines[2], {file->shown, 6}, "city number list"))
        checkCityNumberList(*cities);
    if (!characterNumber) return;
    std::string events = std::to_string(static_cast<std::int16_t>(*characterNumber));
    if (auto date =
            named("dateevn\\dateevn" + events + ".evn", {file->shown, 3}, "date event file"))
        queue(*date, Layout::Event);
    if (auto pub = named("pubevent" + events + ".evn", {file->shown, 3}, "pub event file")) {
        state_.pubEvents.insert(*pub);
        queue(*pub, Layout::Event);
    }
}

// The map window shows this adventurer in its information window every time it opens.
void Characters::checkMapAdventurer() {
    if (loadFixed("data\\richard.txt", Severity::Error, ": the map window cannot open")) {
        try {
            TAdven shown;
            loadAdventurer(shown, paths_, "data\\richard.txt");
        } catch (const DataError& e) {
            report_.error(shownPath("data\\richard.txt"), e.line(), e.problem());
        }
    }
}

// The lists of places and cities every game starts from, the story characters and the
// adventurer of random play.
void Characters::checkAll() {
    if (auto places = fixed("data\\common\\commongo.txt")) checkPlaceList(*places);
    if (auto cities = fixed("data\\common\\commoncity.txt")) checkCityNumberList(*cities);
    for (int character = 0; character < kStoryCharacters; ++character)
        checkStoryCharacter(character);
    checkMapAdventurer();
    if (auto date = fixed("data\\dateevn\\dateevn" + std::to_string(kRandomPlayCharacter) + ".evn"))
        queue(*date, Layout::Event);
    if (auto pub = fixed("data\\pubevent" + std::to_string(kRandomPlayCharacter) + ".evn")) {
        state_.pubEvents.insert(*pub);
        queue(*pub, Layout::Event);
    }
}

const FileKind charactersKind = {.checkFiles = [](Core& core) { Characters(core).checkAll(); },
                                 .layout = {},
                                 .checkScript = nullptr};

}  // namespace orrowvale::check
