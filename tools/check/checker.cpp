#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>

#include "checkerimpl.h"
#include "game.h"
#include "jpegsize.h"
#include "parties/movecityunit.h"
#include "scripts/scenariorunner.h"
#include "transcript.h"
#include "world/adventurer.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace orrowvale::check {
namespace {

constexpr int kItemCodes = 8;
constexpr int kStoryCharacters = 2;
constexpr int kRandomPlayCharacter = 200;

std::vector<std::string> splitGamePath(std::string_view gamePath) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : gamePath) {
        if (c != '\\' && c != '/') {
            part += c;
        } else if (!part.empty()) {
            parts.push_back(std::move(part));
            part.clear();
        }
    }
    if (!part.empty()) parts.push_back(std::move(part));
    return parts;
}

bool isRegularFile(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec);
}

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// A stray byte the codec kept is a code point U+F780..U+F7FF, in UTF-8 EF 9E xx or
// EF 9F xx; returns the byte, or -1 when the line has none.
int strayByte(std::string_view line) {
    for (std::size_t i = 0; i + 2 < line.size(); ++i) {
        auto b = [&](std::size_t k) { return static_cast<unsigned char>(line[k]); };
        if (b(i) == 0xEF && (b(i + 1) == 0x9E || b(i + 1) == 0x9F) && (b(i + 2) & 0xC0) == 0x80)
            return 0x80 + ((b(i + 1) & 0x01) << 6 | (b(i + 2) & 0x3F));
    }
    return -1;
}

std::string hexByte(int byte) {
    const char* digits = "0123456789ABCDEF";
    return std::string("0x") + digits[byte >> 4] + digits[byte & 15];
}

}  // namespace

// ---- files ----

Checker::Lookup Checker::lookUp(const std::string& gamePath, std::string& actual) const {
    std::filesystem::path exact = paths_.gameDirectory();
    for (const std::string& part : splitGamePath(gamePath))
        exact /= part;
    if (isRegularFile(exact)) return Lookup::Exact;
    std::filesystem::path resolved = paths_.resolve(gamePath);
    if (!isRegularFile(resolved)) return Lookup::Missing;
    std::string relative =
        resolved.lexically_relative(paths_.gameDirectory() / "data").generic_string();
    std::replace(relative.begin(), relative.end(), '/', '\\');
    actual = relative;
    return Lookup::OtherCase;
}

std::string Checker::shownPath(const std::string& gamePath) const {
    std::filesystem::path resolved = paths_.resolve(gamePath);
    if (isRegularFile(resolved))
        return resolved.lexically_relative(paths_.gameDirectory()).generic_string();
    std::string shown;
    for (const std::string& part : splitGamePath(gamePath))
        shown += (shown.empty() ? "" : "/") + part;
    return shown;
}

std::optional<std::string> Checker::named(const std::string& nameInData, const Where& at,
                                          std::string_view what, Severity missing,
                                          std::string_view consequence) {
    auto complain = [&](std::string message) {
        message += consequence;
        if (missing == Severity::Error)
            error(at, std::move(message));
        else
            warning(at, std::move(message));
    };
    if (isBlankLine(nameInData)) {
        complain("expected the name of the " + std::string(what) + ", found an empty line");
        return {};
    }
    std::string gamePath = "data\\" + nameInData;
    if (!GamePaths::isInsideGameDirectory(gamePath)) {
        error(at, "the " + std::string(what) + " " + inQuotes(nameInData) +
                      " leaves the game directory: the game refuses it");
        return {};
    }
    std::string actual;
    switch (lookUp(gamePath, actual)) {
        case Lookup::Missing: {
            std::string message =
                "the " + std::string(what) + " " + inQuotes(nameInData) + " does not exist";
            std::size_t last = nameInData.find_last_not_of(" \t");
            if (last + 1 != nameInData.size() && paths_.hasDataFile(nameInData.substr(0, last + 1)))
                message += " (the line ends with a blank)";
            complain(std::move(message));
            return {};
        }
        case Lookup::OtherCase:
            warning(at, "the " + std::string(what) + " " + inQuotes(nameInData) +
                            " exists only as " + inQuotes(actual) +
                            " (another letter case): systems that tell letter cases apart will "
                            "not find it");
            break;
        case Lookup::Exact:
            break;
    }
    return gamePath;
}

std::optional<std::string> Checker::fixed(const std::string& gamePath, Severity missing,
                                          std::string_view consequence) {
    std::string actual;
    Lookup found = lookUp(gamePath, actual);
    std::string shown = shownPath(gamePath);
    if (found == Lookup::Missing) {
        std::string message = "the file does not exist" + std::string(consequence);
        if (missing == Severity::Error)
            report_.error(shown, 0, message);
        else
            report_.warning(shown, 0, message);
        return {};
    }
    if (found == Lookup::OtherCase)
        report_.warning(
            shown, 0,
            "the game looks for " + inQuotes(gamePath) + ", found only with another letter case");
    return gamePath;
}

std::optional<SourceFile> Checker::load(const std::string& gamePath) {
    SourceFile file;
    file.shown = shownPath(gamePath);
    try {
        LineReader reader(paths_.resolve(gamePath), file.shown);
        while (!reader.atEnd())
            file.lines.push_back(reader.readLine());
    } catch (const DataError& e) {
        report_.error(file.shown, e.line(), e.problem());
        return {};
    }
    if (scannedFiles_.insert(file.shown).second) {
        std::size_t first = 0;
        std::ifstream raw(paths_.resolve(gamePath), std::ios::binary);
        char head[3] = {};
        if (raw.read(head, 3) && std::string_view(head, 3) == "\xEF\xBB\xBF") {
            report_.error(file.shown, 1,
                          "the file starts with a byte-order mark (bytes EF BB BF), which the game "
                          "reads as part of its first line: save it as CP949 without one");
            first = 1;
        }
        for (std::size_t i = 0; i < file.lines.size(); ++i)
            if (file.lines[i].find('\r') != std::string::npos) {
                report_.error(file.shown, static_cast<int>(i + 1),
                              "a line break made of CR alone: the game ends lines only at LF, so "
                              "the lines around it run together (save the file with CR LF)");
                break;
            }
        // A file in another code page has such bytes on most lines: the first few tell it.
        constexpr int kShown = 5;
        int stray = 0;
        for (std::size_t i = first; i < file.lines.size(); ++i) {
            int byte = strayByte(file.lines[i]);
            if (byte < 0) continue;
            if (++stray <= kShown)
                report_.error(
                    file.shown, static_cast<int>(i + 1),
                    "byte " + hexByte(byte) +
                        " is no CP949 character (is the file saved in another code page?)");
        }
        if (stray > kShown)
            report_.error(file.shown, 0,
                          std::to_string(stray - kShown) +
                              " more lines hold bytes that are no CP949 characters");
    }
    return file;
}

std::optional<SourceFile> Checker::loadFixed(const std::string& gamePath, Severity missing,
                                             std::string_view consequence) {
    if (!fixed(gamePath, missing, consequence)) return {};
    return load(gamePath);
}

void Checker::queue(const std::string& gamePath, Layout layout) {
    std::string key = paths_.resolve(gamePath).lexically_normal().generic_string();
    if (queued_.insert({key, layout}).second) queue_.push_back({gamePath, layout});
}

// ---- numbers ----

std::optional<std::int32_t> Checker::numberToken(Cursor& c, std::string_view what) {
    while (!c.atEnd()) {
        const std::string& line = c.read();
        std::size_t start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos) continue;
        std::size_t end = line.find_first_of(" \t\r", start);
        std::string token = line.substr(start, end == std::string::npos ? end : end - start);
        std::int32_t value = 0;
        if (parseWholeNumber(token, value)) {
            numbersSideBySide(c, line, value);
            return value;
        }
        error(c, "expected " + std::string(what) + ", found " + inQuotes(line));
        // A marker or keyword is left for the block around it.
        if (isStructuralMarker(line) || line.starts_with(":")) c.back();
        return {};
    }
    error(c, "expected " + std::string(what) + ", found the end of the file");
    return {};
}

// Only the first number of a line is read: numbers written side by side leave the
// lines below to be read in their place.
void Checker::numbersSideBySide(const Cursor& c, const std::string& line, std::int32_t value) {
    std::size_t first = line.find_first_not_of(" \t\r");
    std::size_t end = first == std::string::npos ? first : line.find_first_of(" \t\r", first);
    std::size_t next = end == std::string::npos ? end : line.find_first_not_of(" \t\r", end);
    if (next == std::string::npos) return;
    std::int32_t ignored = 0;
    if (parseWholeNumber(line.substr(next, line.find_first_of(" \t\r", next) - next), ignored))
        warning(c, "only the first number of a line is read: " + inQuotes(line) + " gives " +
                       std::to_string(value) + " (write each number on its own line)");
}

std::optional<std::int32_t> Checker::wholeNumber(Cursor& c, std::string_view what) {
    if (c.atEnd()) {
        error(c, "expected " + std::string(what) + ", found the end of the file");
        return {};
    }
    const std::string& line = c.read();
    std::int32_t value = 0;
    if (parseWholeNumber(line, value)) return value;
    error(c, "expected " + std::string(what) + ", found " +
                 (line.empty() ? std::string("an empty line") : inQuotes(line)));
    if (isStructuralMarker(line)) c.back();  // a block cut short: the marker opens the next
    return {};
}

bool Checker::inTable(std::int32_t n, Operand kind, const Where& at, int city) {
    auto outside = [&](std::string message) {
        error(at, std::move(message));
        return false;
    };
    std::string number = std::to_string(n);
    switch (kind) {
        case Operand::City:
            if (cityCount_ >= 0 && (n < 1 || n > cityCount_))
                return outside("there is no city " + number + ": data/city.txt lists " +
                               std::to_string(cityCount_));
            if (n < 1 || n > kMaxCities) return outside("city " + number + " is outside 1..100");
            return true;
        case Operand::Switch:
            if (n < 1 || n > kMaxSwitches)
                return outside("switch " + number + " is outside 1..1000");
            return true;
        case Operand::Variable:
            if (n < 1 || n > kMaxVariables)
                return outside("variable " + number + " is outside 1..1000");
            return true;
        case Operand::Fame:
            if (n < 1 || n > 3)
                return outside("fame kind " + number +
                               " does not exist: 1 is adventure, 2 political, 3 covert fame");
            return true;
        case Operand::War:
            if (n < 1 || (warCount_ >= 0 && n > warCount_) || n > kMaxWars)
                return outside("there is no war " + number + ": data/wars/warlist.txt lists " +
                               std::to_string(std::max(warCount_, 0)));
            return true;
        case Operand::Quest:
            if (n < 1 || (questCount_ >= 0 && n > questCount_) || n > kMaxQuests)
                return outside("there is no quest " + number +
                               ": data/quests/questlist.txt lists " +
                               std::to_string(std::max(questCount_, 0)));
            return true;
        case Operand::Dungeon: {
            auto known = dungeonCount_.find(city);
            if (n < 1 || n > kMaxSitesPerCity ||
                (known != dungeonCount_.end() && known->second >= 0 && n > known->second))
                return outside("city " + std::to_string(city) + " has no dungeon " + number +
                               (known != dungeonCount_.end()
                                    ? ": its dungeon list holds " + std::to_string(known->second)
                                    : std::string()));
            return true;
        }
        case Operand::Item:
            if (n < 1 || n > kItemCodes)
                return outside("item code " + number + " does not exist: items are 1 to 8");
            return true;
        case Operand::ScenarioEntry:
            if (n < 1 || n > kMaxScenarioFiles)
                return outside("scenario file number " + number + " is outside 1..100");
            if (n != 1)
                warning(at, "scenario file number " + number +
                                " is kept but never run: only number 1 runs at every turn");
            return true;
        case Operand::Percent:
            if (n < 0 || n > 100) warning(at, "a chance of " + number + "% is outside 0..100");
            return true;
        case Operand::SmallAmount:
            if (n < -128 || n > 127)
                warning(at, "the amount " + number + " is taken as " +
                                std::to_string(static_cast<std::int8_t>(n & 0xFF)) +
                                ": amounts run from -128 to 127");
            return true;
        default:
            return true;
    }
}

// ---- world files ----

void Checker::checkCities() {
    auto file = loadFixed("data\\city.txt", Severity::Error, ": no world can be built");
    if (!file) return;
    Cursor c(*file);
    auto count = wholeNumber(c, "the number of cities");
    if (!count) return;
    if (*count < 1 || *count > kMaxCities) {
        error(c, "the number of cities must be 1 to 100, found " + std::to_string(*count));
        // Without cities nothing else can be checked city by city; too many are cut.
        cityCount_ = *count < 1 ? -1 : kMaxCities;
        return;
    }
    cityCount_ = *count;
    int names = static_cast<int>(file->lines.size()) - 1;
    if (names < cityCount_)
        error(c, std::to_string(cityCount_) + " cities are announced but only " +
                     std::to_string(names) + " names follow");
    // Every line is a name: a blank one leaves a city nameless and pushes the names
    // below it onto the next cities.
    for (int city = 1; city <= std::min(names, cityCount_); ++city)
        if (isBlankLine(file->lines[static_cast<std::size_t>(city)]))
            error(Where{file->shown, city + 1},
                  "city " + std::to_string(city) +
                      " has an empty name: the names below it belong to the next cities");
    bool more = false;
    for (std::size_t i = static_cast<std::size_t>(cityCount_) + 1; i < file->lines.size(); ++i)
        more = more || !isBlankLine(file->lines[i]);
    if (more)
        warning(Where{file->shown, 1}, "the file names more cities than the " +
                                           std::to_string(cityCount_) +
                                           " it announces: the rest are not in the world");
}

namespace {
// The numbers of the lines that hold something, for files of one line per city.
std::vector<int> filledLines(const SourceFile& file) {
    std::vector<int> lines;
    for (std::size_t i = 0; i < file.lines.size(); ++i)
        if (!isBlankLine(file.lines[i])) lines.push_back(static_cast<int>(i + 1));
    return lines;
}
}  // namespace

void Checker::checkCityRects() {
    auto file = loadFixed("data\\citylocs.txt");
    std::optional<PictureSize> map;
    if (fixed("data\\map.jpg", Severity::Warning, ": the city rectangles cannot be checked")) {
        std::ifstream in(paths_.resolve("data\\map.jpg"), std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        map = jpegSize(bytes);
        if (!map)
            report_.error(shownPath("data\\map.jpg"), 0,
                          "the map picture is no JPEG picture with a frame header");
    }
    if (!file || cityCount_ < 1) return;
    GameState state;
    state.cityCount = cityCount_;
    try {
        loadCityRects(state, paths_);
    } catch (const DataError& e) {
        report_.error(file->shown, e.line(), e.problem());
        return;
    }
    std::vector<int> lines = filledLines(*file);
    for (int city = 1; city <= cityCount_; ++city) {
        if (city > static_cast<int>(lines.size())) {
            report_.error(
                file->shown, static_cast<int>(file->lines.size()),
                "city " + std::to_string(city) + " has no rectangle: the file ends first");
            return;
        }
        const CityRect& r = state.cityRects[city];
        std::string shown = "left " + std::to_string(r.left) + ", right " +
                            std::to_string(r.right) + ", top " + std::to_string(r.top) +
                            ", bottom " + std::to_string(r.bottom);
        Where at{file->shown, lines[city - 1]};
        if (r.left > r.right || r.top > r.bottom)
            error(at, "the rectangle of city " + std::to_string(city) + " (" + shown +
                          ") has its edges the wrong way round");
        else if (map && (r.left < 0 || r.top < 0 || r.right > map->width || r.bottom > map->height))
            error(at, "the rectangle of city " + std::to_string(city) + " (" + shown +
                          ") lies outside the map picture of " + std::to_string(map->width) +
                          " x " + std::to_string(map->height));
    }
}

void Checker::checkNations() {
    auto file = loadFixed("data\\common\\citynat.txt");
    if (!file || cityCount_ < 1) return;
    GameState state;
    state.cityCount = cityCount_;
    try {
        loadCityNations(state, paths_, "common\\citynat.txt");
    } catch (const DataError& e) {
        report_.error(file->shown, e.line(), e.problem());
        return;
    }
    std::vector<int> lines = filledLines(*file);
    for (int city = 1; city <= cityCount_; ++city) {
        if (city > static_cast<int>(lines.size())) {
            report_.error(file->shown, static_cast<int>(file->lines.size()),
                          "city " + std::to_string(city) + " has no nation: the file ends first");
            return;
        }
        if (state.cityNations[city] < 1)
            error(Where{file->shown, lines[city - 1]},
                  "nation " + std::to_string(state.cityNations[city]) + " of city " +
                      std::to_string(city) + ": nations are numbered from 1");
    }
}

// A list of one file name per city ("data\common\movefile.txt"): each name that
// stands there is handed to `check`.
void Checker::checkFilePerCity(const std::string& listFile, const std::string& what,
                               const std::function<void(const std::string&)>& check) {
    auto file = loadFixed(listFile);
    if (!file) return;
    for (int city = 1; city <= cityCount_; ++city) {
        if (city > static_cast<int>(file->lines.size())) {
            report_.error(
                file->shown, static_cast<int>(file->lines.size()),
                "no " + what + " for city " + std::to_string(city) + ": the file ends first");
            return;
        }
        if (auto name = named(file->lines[city - 1], {file->shown, city}, what)) check(*name);
    }
}

void Checker::checkRoutes() {
    checkFilePerCity("data\\common\\movefile.txt", "route file",
                     [this](const std::string& route) { checkRouteFile(route); });
}

void Checker::checkRouteFile(const std::string& gamePath) {
    auto file = load(gamePath);
    if (!file) return;
    Cursor c(*file);
    if (!c.atEnd()) c.read();         // a title
    std::map<int, int> destinations;  // city -> line
    for (;;) {
        if (c.atEnd()) {
            error(Where{file->shown, 2}, "the list of destinations has no \"[END]\"");
            return;
        }
        const std::string& line = c.read();
        if (line == marker::end) break;
        std::int32_t city = 0;
        if (!parseWholeNumber(line, city)) {
            // The game stops reading the route file here.
            if (isStructuralMarker(line))
                error(Where{file->shown, 2},
                      "the list of destinations has no \"[END]\" before line " +
                          std::to_string(c.line()) + " (" + inQuotes(line) + ")");
            else
                error(c, "expected a destination city or \"[END]\", found " +
                             (line.empty() ? std::string("an empty line") : inQuotes(line)));
            return;
        }
        if (inTable(city, Operand::City, {file->shown, c.line()}))
            destinations.emplace(city, c.line());
    }
    if (!c.atEnd()) wholeNumber(c, "a number after the destinations");
    std::set<int> reached;
    while (!c.atEnd()) {
        if (const std::string& line = c.read(); line != marker::start) {
            // A slipped "[START]" loses its route; it is read as meant.
            if (slippedMarker(line, {marker::start}).empty()) continue;
            error(c, slippedMarkerMessage(line, marker::start));
        }
        if (c.atEnd()) {
            error(c, "the route has no name: the file ends first");
            return;
        }
        std::string name = c.read();
        auto time = wholeNumber(c, "the travel time in turns");
        if (time && *time < 0)
            error(c, "a journey cannot take " + std::to_string(*time) + " turns");
        auto cost = wholeNumber(c, "the cost per member");
        if (cost && *cost < 0)
            error(c, "a negative cost per member would pay the player for travelling");
        if (!c.atEnd()) c.read();  // a line of text
        auto destination = wholeNumber(c, "the destination city of the route");
        if (destination && inTable(*destination, Operand::City, {file->shown, c.line()})) {
            reached.insert(*destination);
            if (!destinations.contains(*destination))
                warning(
                    c, "the route " + inQuotes(name) + " leads to city " +
                           std::to_string(*destination) +
                           ", which is not among the destinations at the top: it is never offered");
        }
        wholeNumber(c, "a spare number");
    }
    for (auto [city, line] : destinations)
        if (!reached.contains(city))
            warning(Where{file->shown, line}, "no route leads to city " + std::to_string(city) +
                                                  ": choosing it offers no way");
}

void Checker::checkPlaceList(const std::string& gamePath) {
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

void Checker::checkCityNumberList(const std::string& gamePath) {
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

void Checker::checkStoryCharacter(int character) {
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
        pubEvents_.insert(*pub);
        queue(*pub, Layout::Event);
    }
}

void Checker::checkNameLists() {
    for (const char* list : {"data\\malename.txt", "data\\fmlname.txt", "data\\fnames.txt"}) {
        auto file = loadFixed(list);
        if (!file) continue;
        Cursor c(*file);
        auto count = numberToken(c, "the number of names");
        if (!count) continue;
        int present = static_cast<int>(file->lines.size()) - c.line();
        if (*count < 1)
            error(c, "a name list needs at least one name");
        else if (*count > present)
            warning(c, std::to_string(*count) + " names are announced but only " +
                           std::to_string(present) + " follow: the rest come out empty");
        for (int k = 0; k < std::min(*count, present); ++k)
            if (isBlankLine(file->lines[static_cast<std::size_t>(c.line() + k)]))
                error(Where{file->shown, c.line() + k + 1},
                      "an empty name: adventurers who draw it have no name");
    }
}

int Checker::checkPairList(const std::string& gamePath, int limit, Layout layout,
                           std::string_view entry) {
    auto file = load(gamePath);
    if (!file) return -1;
    Cursor c(*file);
    auto count = numberToken(c, "the number of entries");
    if (!count) return -1;
    Where countLine{file->shown, c.line()};
    if (*count < 0) error(countLine, "a list cannot hold " + std::to_string(*count) + " entries");
    if (*count > limit)
        error(countLine, std::to_string(*count) + " entries announced, but only " +
                             std::to_string(limit) + " fit: the rest are dropped");
    const char* what = layout == Layout::Search    ? "search file"
                       : layout == Layout::Dungeon ? "dungeon file"
                       : layout == Layout::War     ? "war file"
                                                   : "quest script";
    for (int k = 1; k <= *count; ++k) {
        if (c.atEnd()) {
            error(countLine, std::to_string(*count) + " entries are announced but only " +
                                 std::to_string(k - 1) + " follow");
            return k - 1;
        }
        std::string name = c.read();
        if (isBlankLine(name))
            error(c, "an empty line where the name of " + std::string(entry) + " " +
                         std::to_string(k) + " belongs: the pairs below it are out of step");
        if (c.atEnd()) {
            error(c, "the " + std::string(entry) + " " + inQuotes(name) + " has no file line");
            return k - 1;
        }
        std::string siteFile = c.read();
        if (name == kNone || siteFile == kNone || k > limit) continue;
        if (auto path = named(siteFile, {file->shown, c.line()}, what)) {
            queue(*path, layout);
            if (layout == Layout::Scenario) {
                questFiles_.push_back(*path);
                partyScripts_.insert(*path);
            }
            if (layout == Layout::War) warsOfFile_[shownPath(*path)].insert(k);
        }
    }
    int left = 0;
    while (!c.atEnd())
        left += isBlankLine(c.read()) ? 0 : 1;
    if (*count >= 0 && *count < limit && left >= 2)
        warning(countLine, "the file holds more pairs than the " + std::to_string(*count) +
                               " it announces: the rest are never read");
    return std::min(*count, limit);
}

void Checker::checkNumberList(const std::string& gamePath, int count, std::string_view entry) {
    auto file = load(gamePath);
    if (!file) return;
    Cursor c(*file);
    bool started = false;
    while (!started && !c.atEnd())
        started = c.read() == marker::start;
    if (!started) {
        report_.warning(file->shown, 0, "the file has no \"[START]\": nothing is opened");
        return;
    }
    for (;;) {
        bool more = false;
        for (int i = c.line(); i < static_cast<int>(file->lines.size()); ++i)
            more = more || !isBlankLine(file->lines[i]);
        if (!more) return;
        auto n = numberToken(c, "a number (0 ends the list)");
        if (!n) return;  // the game stops reading the list at a line that is no number
        if (*n == 0) return;
        Where at{file->shown, c.line()};
        if (entry == "war")
            inTable(*n, Operand::War, at);
        else if (entry == "quest")
            inTable(*n, Operand::Quest, at);
        else if (*n < 1 || (count >= 0 && *n > count))
            error(at, "there is no " + std::string(entry) + " " + std::to_string(*n) +
                          ": the city's list holds " + std::to_string(std::max(count, 0)));
    }
}

void Checker::checkSites(const std::string& listFile, bool dungeons) {
    auto file = loadFixed(listFile);
    if (!file) return;
    const char* entry = dungeons ? "dungeon" : "search site";
    for (int city = 1; city <= cityCount_; ++city) {
        int pairLine = 2 * city - 1;
        if (pairLine + 1 > static_cast<int>(file->lines.size())) {
            report_.error(file->shown, static_cast<int>(file->lines.size()),
                          "no " + std::string(entry) + " lists for city " + std::to_string(city) +
                              ": the file ends first");
            return;
        }
        int count = -1;
        if (auto pairs = named(file->lines[pairLine - 1], {file->shown, pairLine},
                               dungeons ? "dungeon list" : "search site list"))
            count = checkPairList(*pairs, kMaxSitesPerCity,
                                  dungeons ? Layout::Dungeon : Layout::Search, entry);
        if (dungeons) dungeonCount_[city] = count;
        if (auto numbers = named(file->lines[pairLine], {file->shown, pairLine + 1},
                                 dungeons ? "list of open dungeons" : "list of open search sites"))
            checkNumberList(*numbers, count, entry);
    }
}

void Checker::checkTrade() {
    checkFilePerCity("data\\common\\trade.txt", "trade file",
                     [this](const std::string& trade) { queue(trade, Layout::Trade); });
}

void Checker::checkStoryText(const std::string& gamePath) {
    auto file = loadFixed(gamePath);
    if (!file ||
        std::find(file->lines.begin(), file->lines.end(), marker::textStart) != file->lines.end())
        return;
    for (std::size_t i = 0; i < file->lines.size(); ++i)
        if (!slippedMarker(file->lines[i], {marker::textStart}).empty()) {
            report_.error(file->shown, static_cast<int>(i + 1),
                          slippedMarkerMessage(file->lines[i], marker::textStart) +
                              "; without it the text is empty");
            return;
        }
    report_.error(file->shown, 0, "the file has no \"&start\" line: its text is empty");
}

void Checker::checkGossip() {
    auto file = loadFixed("data\\gossip\\gossip.txt");
    if (!file) return;
    Cursor c(*file);
    auto count = numberToken(c, "the number of rumours");
    if (!count) return;
    Where at{file->shown, c.line()};
    std::vector<int> starts;
    for (std::size_t i = 0; i < file->lines.size(); ++i) {
        if (file->lines[i] == ":start") starts.push_back(static_cast<int>(i));
        if (!slippedMarker(file->lines[i], {":start"}).empty())
            report_.error(file->shown, static_cast<int>(i + 1),
                          slippedMarkerMessage(file->lines[i], ":start"));
    }
    int rumours = static_cast<int>(starts.size());
    if (rumours > 0) {
        bool lastHolds = false;
        for (std::size_t i = starts.back() + 1; i < file->lines.size(); ++i)
            lastHolds = lastHolds || !isBlankLine(file->lines[i]);
        if (!lastHolds) --rumours;  // the closing ":start"
    }
    if (*count < 1)
        error(at, "the gossip file must announce at least one rumour");
    else if (*count > rumours)
        error(at, std::to_string(*count) + " rumours are announced but the file holds " +
                      std::to_string(rumours) + ": a roll beyond them shows an empty box");
    else if (*count < rumours)
        warning(at, "the file holds " + std::to_string(rumours) + " rumours but announces " +
                        std::to_string(*count) + ": the rest are never told");
}

void Checker::checkContacts() {
    auto file = loadFixed("data\\contact\\list.txt");
    if (!file) return;
    const auto& lines = file->lines;
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        if (i + 1 >= lines.size()) {
            if (!isBlankLine(lines[i]))
                report_.error(file->shown, static_cast<int>(i + 1),
                              "the contact " + inQuotes(lines[i]) + " has no event file line");
            break;
        }
        if (isBlankLine(lines[i]))
            report_.error(file->shown, static_cast<int>(i + 1),
                          "an empty line where a contact name belongs: the pairs below it are out "
                          "of step");
        if (auto path = named(lines[i + 1], {file->shown, static_cast<int>(i + 2)}, "event file"))
            queue(*path, Layout::Event);
    }
}

void Checker::checkDungeon(const SourceFile& file) {
    Cursor c(file);
    auto levels = wholeNumber(c, "the number of levels");
    if (levels && *levels < 1) error(c, "a dungeon needs at least one level");
    while (!c.atEnd()) {
        if (const std::string& line = c.read(); line != marker::start) {
            // A slipped "[START]" loses its encounter; it is read as meant.
            if (slippedMarker(line, {marker::start}).empty()) continue;
            error(c, slippedMarkerMessage(line, marker::start));
        }
        auto level = wholeNumber(c, "the level of the encounter");
        if (!level) continue;
        if (levels && (*level < 1 || *level > *levels))
            error(c, "level " + std::to_string(*level) + " is outside the dungeon's levels 1.." +
                         std::to_string(*levels) + ": the encounter never happens");
        auto chance = wholeNumber(c, "the encounter chance");
        if (!chance) continue;
        inTable(*chance, Operand::Percent, {file.shown, c.line()});
        if (c.atEnd()) {
            error(c, "the encounter has no monster file line: the file ends first");
            return;
        }
        std::string monster = c.read();
        if (auto path = named(monster, {file.shown, c.line()}, "monster file", Severity::Warning,
                              ": the level has a harmless monster"))
            checkMonsterFile(*path);
        if (c.atEnd()) continue;
        std::string script = c.read();
        if (script.empty()) continue;  // a level without a script
        if (auto path = named(script, {file.shown, c.line()}, "level script")) {
            queue(*path, Layout::Scenario);
            partyScripts_.insert(*path);
        }
    }
}

void Checker::checkMonsterFile(const std::string& gamePath) {
    if (scannedFiles_.contains(shownPath(gamePath))) return;
    auto file = load(gamePath);
    if (!file) return;
    Cursor c(*file);
    auto count = wholeNumber(c, "the number of monsters");
    if (!count) return;
    if (*count < 0) error(c, "a monster file cannot hold " + std::to_string(*count) + " monsters");
    if (*count <= 0 && c.atEnd())
        warning(c, "the file lists no monster: the level has a harmless monster");
    for (int k = 1; k <= *count; ++k) {
        if (c.atEnd()) {
            report_.error(file->shown, 1,
                          std::to_string(*count) + " monsters are announced but only " +
                              std::to_string(k - 1) + " follow");
            return;
        }
        c.read();
        if (!wholeNumber(c, "the monster's attack") || !wholeNumber(c, "the monster's defence") ||
            !wholeNumber(c, "the monster's fame reward"))
            return;
    }
    int left = 0;
    while (!c.atEnd())
        left += isBlankLine(c.read()) ? 0 : 1;
    if (*count > 0 && left >= 4)
        warning(Where{file->shown, 1}, "the file holds more monsters than the " +
                                           std::to_string(*count) +
                                           " it announces: the rest are never met");
}

// Reads the world once more with the game's own loaders and trade refresh, so that
// anything they refuse is reported even where the checks above missed it. Files the
// checks already found broken, and files that cannot be opened (named above at the
// line that names them), are not reported twice.
void Checker::loadAsTheGameDoes() {
    GameState state;
    Dice dice(1);
    TranscriptPresenter presenter;
    Game game(state, paths_, dice, presenter);
    auto attempt = [&](auto&& load) {
        try {
            load();
        } catch (const DataError& e) {
            if (e.line() > 0 && !report_.hasErrorIn(e.file()))
                report_.error(e.file(), e.line(), e.problem());
        }
    };
    attempt([&] { loadCityList(state, paths_); });
    attempt([&] { loadRouteFiles(state, paths_); });
    attempt([&] { loadPlaceList(state, paths_, "common\\commongo.txt"); });
    attempt([&] { loadVisitableCities(state, paths_, "common\\commoncity.txt"); });
    attempt([&] { loadSearchSites(state, paths_); });
    attempt([&] { loadDungeonSites(state, paths_); });
    attempt([&] { loadWars(state, paths_); });
    attempt([&] { loadQuests(state, paths_); });
    attempt([&] { (void)loadNameLists(paths_); });
    attempt([&] { refreshTradeGoods(game); });
    for (int city = 1; city <= state.cityBound(); ++city)
        attempt([&] { (void)prepareMove(game, city); });
}

void Checker::checkAll() {
    if (!isRegularFile(paths_.resolve("data\\city.txt")) &&
        !std::filesystem::is_directory(paths_.resolve("data")))
        report_.error("data", 0, "the game directory has no data folder");
    checkCities();
    checkCityRects();
    checkNations();
    checkRoutes();
    if (auto places = fixed("data\\common\\commongo.txt")) checkPlaceList(*places);
    if (auto cities = fixed("data\\common\\commoncity.txt")) checkCityNumberList(*cities);
    for (int character = 0; character < kStoryCharacters; ++character)
        checkStoryCharacter(character);
    // The map window shows this adventurer in its information window every time it opens.
    if (loadFixed("data\\richard.txt", Severity::Error, ": the map window cannot open")) {
        try {
            TAdven shown;
            loadAdventurer(shown, paths_, "data\\richard.txt");
        } catch (const DataError& e) {
            report_.error(shownPath("data\\richard.txt"), e.line(), e.problem());
        }
    }
    if (auto date = fixed("data\\dateevn\\dateevn" + std::to_string(kRandomPlayCharacter) + ".evn"))
        queue(*date, Layout::Event);
    if (auto pub = fixed("data\\pubevent" + std::to_string(kRandomPlayCharacter) + ".evn")) {
        pubEvents_.insert(*pub);
        queue(*pub, Layout::Event);
    }
    checkNameLists();
    checkSites("data\\searchcity.txt", false);
    checkSites("data\\dungeonlist.txt", true);
    if (auto wars = fixed("data\\wars\\warlist.txt"))
        warCount_ = checkPairList(*wars, kMaxWars, Layout::War, "war");
    if (auto active = fixed("data\\wars\\warbool.txt")) checkNumberList(*active, warCount_, "war");
    if (auto quests = fixed("data\\quests\\questlist.txt"))
        questCount_ = checkPairList(*quests, kMaxQuests, Layout::Scenario, "quest");
    if (auto active = fixed("data\\quests\\questbool.txt"))
        checkNumberList(*active, questCount_, "quest");
    checkTrade();
    for (const char* text : {"data\\prologue\\alfred.txt", "data\\prologue\\alfred2.txt",
                             "data\\prologue\\alfred3.txt", "data\\prologue\\alfred4.txt",
                             "data\\prologue\\common.txt", "data\\common\\death.txt"})
        checkStoryText(text);
    checkGossip();
    checkContacts();
    if (auto scenario = fixed("data\\scenario\\scenario1.scn", Severity::Warning,
                              ": no story runs in a new game"))
        queue(*scenario, Layout::Scenario);
    checkQueued();
    loadAsTheGameDoes();
}

Report checkGame(const GamePaths& paths) {
    Report report;
    Checker(paths, report).checkAll();
    return report;
}

}  // namespace orrowvale::check
