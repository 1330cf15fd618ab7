#include <map>
#include <optional>
#include <set>

#include "kinds.h"
#include "slips.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

// The cities at the top, each with its line; nothing when the game stops reading there.
std::optional<std::map<int, int>> readDestinations(Core& core, Cursor& c) {
    std::map<int, int> destinations;  // city -> line
    for (;;) {
        if (c.atEnd()) {
            core.error(Where{c.file(), 2}, "the list of destinations has no \"[END]\"");
            return {};
        }
        const std::string& line = c.read();
        if (line == marker::end) return destinations;
        std::int32_t city = 0;
        if (!parseWholeNumber(line, city)) {
            // The game stops reading the route file here.
            if (isStructuralMarker(line))
                core.error(Where{c.file(), 2},
                           "the list of destinations has no \"[END]\" before line " +
                               std::to_string(c.line()) + " (" + inQuotes(line) + ")");
            else
                core.error(c, "expected a destination city or \"[END]\", found " +
                                  (line.empty() ? std::string("an empty line") : inQuotes(line)));
            return {};
        }
        if (core.inTable(city, Operand::City, {c.file(), c.line()}))
            destinations.emplace(city, c.line());
    }
}

// One "[START]" route; false when the file ends before its name.
bool checkRoute(Core& core, Cursor& c, const std::map<int, int>& destinations,
                std::set<int>& reached) {
    if (const std::string& line = c.read(); line != marker::start) {
        // A slipped "[START]" loses its route; it is read as meant.
        if (slippedMarker(line, {marker::start}).empty()) return true;
        core.error(c, slippedMarkerMessage(line, marker::start));
    }
    if (c.atEnd()) {
        core.error(c, "the route has no name: the file ends first");
        return false;
    }
    std::string name = c.read();
    auto time = core.wholeNumber(c, "the travel time in turns");
    if (time && *time < 0)
        core.error(c, "a journey cannot take " + std::to_string(*time) + " turns");
    auto cost = core.wholeNumber(c, "the cost per member");
    if (cost && *cost < 0)
        core.error(c, "a negative cost per member would pay the player for travelling");
    if (!c.atEnd()) c.read();  // a line of text
    auto destination = core.wholeNumber(c, "the destination city of the route");
    if (destination && core.inTable(*destination, Operand::City, {c.file(), c.line()})) {
        reached.insert(*destination);
        if (!destinations.contains(*destination))
            core.warning(
                c, "the route " + inQuotes(name) + " leads to city " +
                       std::to_string(*destination) +
                       ", which is not among the destinations at the top: it is never offered");
    }
    core.wholeNumber(c, "a spare number");
    return true;
}

void checkRouteFile(Core& core, const std::string& gamePath) {
    auto file = core.load(gamePath);
    if (!file) return;
    Cursor c(*file);
    if (!c.atEnd()) c.read();  // a title
    auto destinations = readDestinations(core, c);
    if (!destinations) return;
    if (!c.atEnd()) core.wholeNumber(c, "a number after the destinations");
    std::set<int> reached;
    while (!c.atEnd())
        if (!checkRoute(core, c, *destinations, reached)) return;
    for (auto [city, line] : *destinations)
        if (!reached.contains(city))
            core.warning(Where{c.file(), line}, "no route leads to city " + std::to_string(city) +
                                                    ": choosing it offers no way");
}

void checkRoutes(Core& core) {
    core.checkFilePerCity("data\\common\\movefile.txt", "route file",
                          [&core](const std::string& route) { checkRouteFile(core, route); });
}

}  // namespace

const FileKind routesKind = {.checkFiles = checkRoutes, .layout = {}, .checkScript = nullptr};

}  // namespace orrowvale::check
