#include <map>
#include <optional>
#include <set>

#include "kinds.h"
#include "slips.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

class Routes : public Core {
  public:
    explicit Routes(const Core& core) : Core(core) {}
    void checkRoutes();

  private:
    void checkRouteFile(const std::string& gamePath);
    std::optional<std::map<int, int>> readDestinations(Cursor& c);
    bool checkRoute(Cursor& c, const std::map<int, int>& destinations, std::set<int>& reached);
};

}  // namespace

void Routes::checkRoutes() {
    checkFilePerCity("data\\common\\movefile.txt", "route file",
                     [this](const std::string& route) { checkRouteFile(route); });
}

void Routes::checkRouteFile(const std::string& gamePath) {
    auto file = load(gamePath);
    if (!file) return;
    Cursor c(*file);
    if (!c.atEnd()) c.read();  // a title
    auto destinations = readDestinations(c);
    if (!destinations) return;
    if (!c.atEnd()) wholeNumber(c, "a number after the destinations");
    std::set<int> reached;
    while (!c.atEnd())
        if (!checkRoute(c, *destinations, reached)) return;
    for (auto [city, line] : *destinations)
        if (!reached.contains(city))
            warning(Where{c.file(), line}, "no route leads to city " + std::to_string(city) +
                                               ": choosing it offers no way");
}

// The cities at the top, each with its line; nothing when the game stops reading there.
std::optional<std::map<int, int>> Routes::readDestinations(Cursor& c) {
    std::map<int, int> destinations;  // city -> line
    for (;;) {
        if (c.atEnd()) {
            error(Where{c.file(), 2}, "the list of destinations has no \"[END]\"");
            return {};
        }
        const std::string& line = c.read();
        if (line == marker::end) return destinations;
        std::int32_t city = 0;
        if (!parseWholeNumber(line, city)) {
            // The game stops reading the route file here.
            if (isStructuralMarker(line))
                error(Where{c.file(), 2}, "the list of destinations has no \"[END]\" before line " +
                                              std::to_string(c.line()) + " (" + inQuotes(line) +
                                              ")");
            else
                error(c, "expected a destination city or \"[END]\", found " +
                             (line.empty() ? std::string("an empty line") : inQuotes(line)));
            return {};
        }
        if (inTable(city, Operand::City, {c.file(), c.line()}))
            destinations.emplace(city, c.line());
    }
}

// One "[START]" route; false when the file ends before its name.
bool Routes::checkRoute(Cursor& c, const std::map<int, int>& destinations, std::set<int>& reached) {
    if (const std::string& line = c.read(); line != marker::start) {
        // A slipped "[START]" loses its route; it is read as meant.
        if (slippedMarker(line, {marker::start}).empty()) return true;
        error(c, slippedMarkerMessage(line, marker::start));
    }
    if (c.atEnd()) {
        error(c, "the route has no name: the file ends first");
        return false;
    }
    std::string name = c.read();
    auto time = wholeNumber(c, "the travel time in turns");
    if (time && *time < 0) error(c, "a journey cannot take " + std::to_string(*time) + " turns");
    auto cost = wholeNumber(c, "the cost per member");
    if (cost && *cost < 0)
        error(c, "a negative cost per member would pay the player for travelling");
    if (!c.atEnd()) c.read();  // a line of text
    auto destination = wholeNumber(c, "the destination city of the route");
    if (destination && inTable(*destination, Operand::City, {c.file(), c.line()})) {
        reached.insert(*destination);
        if (!destinations.contains(*destination))
            warning(c, "the route " + inQuotes(name) + " leads to city " +
                           std::to_string(*destination) +
                           ", which is not among the destinations at the top: it is never offered");
    }
    wholeNumber(c, "a spare number");
    return true;
}

const FileKind routesKind = {.checkFiles = [](Core& core) { Routes(core).checkRoutes(); },
                             .layout = {},
                             .checkScript = nullptr};

}  // namespace orrowvale::check
