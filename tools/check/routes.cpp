#include <map>
#include <optional>
#include <set>

#include "kinds.h"
#include "slips.h"
#include "world/datafiles.h"

namespace orrowvale::check {
namespace {

// The cities at the top, each with its line; nothing when the game stops reading there.
std::optional<std::map<int, int>> readDestinations(Core& core, Cursor& cursor) {
    std::map<int, int> destinations;  // city -> line
    for (;;) {
        if (cursor.atEnd()) {
            core.error(cursor.source().at(2), "the list of destinations has no \"[END]\"");
            return {};
        }
        const std::string& line = cursor.read();
        if (line == marker::end) return destinations;
        std::int32_t city = 0;
        if (!parseWholeNumber(line, city)) {
            // The game stops reading the route file here.
            if (isStructuralMarker(line))
                core.error(cursor.source().at(2),
                           "the list of destinations has no \"[END]\" before line " +
                               std::to_string(cursor.line()) + " (" + inQuotes(line) + ")");
            else
                core.error(cursor,
                           "expected a destination city or \"[END]\", found " +
                               (line.empty() ? std::string("an empty line") : inQuotes(line)));
            return {};
        }
        if (core.inTable(city, Operand::City, cursor.here()))
            destinations.emplace(city, cursor.line());
    }
}

// One "[START]" route; false when the file ends before its name.
bool checkRoute(Core& core, Cursor& cursor, const std::map<int, int>& destinations,
                std::set<int>& reached) {
    if (const std::string& line = cursor.read(); line != marker::start) {
        // A slipped "[START]" loses its route; it is read as meant.
        if (slippedMarker(line, {marker::start}).empty()) return true;
        core.error(cursor, slippedMarkerMessage(line, marker::start));
    }
    if (cursor.atEnd()) {
        core.error(cursor, "the route has no name: the file ends first");
        return false;
    }
    std::string name = cursor.read();
    auto time = core.readNumberLine(cursor, "the travel time in turns");
    if (time && *time < 0)
        core.error(cursor, "a journey cannot take " + std::to_string(*time) + " turns");
    auto cost = core.readNumberLine(cursor, "the cost per member");
    if (cost && *cost < 0)
        core.error(cursor, "a negative cost per member would pay the player for travelling");
    if (!cursor.atEnd()) cursor.read();  // a line of text
    auto destination = core.readNumberLine(cursor, "the destination city of the route");
    if (destination && core.inTable(*destination, Operand::City, cursor.here())) {
        reached.insert(*destination);
        if (!destinations.contains(*destination))
            core.warning(
                cursor,
                "the route " + inQuotes(name) + " leads to city " + std::to_string(*destination) +
                    ", which is not among the destinations at the top: it is never offered");
    }
    core.readNumberLine(cursor, "a spare number");
    return true;
}

void checkRouteFile(Core& core, const std::string& gamePath) {
    auto file = core.load(gamePath);
    if (!file) return;
    Cursor cursor(*file);
    if (!cursor.atEnd()) cursor.read();  // a title
    auto destinations = readDestinations(core, cursor);
    if (!destinations) return;
    if (!cursor.atEnd()) core.readNumberLine(cursor, "a number after the destinations");
    std::set<int> reached;
    while (!cursor.atEnd())
        if (!checkRoute(core, cursor, *destinations, reached)) return;
    for (auto [city, line] : *destinations)
        if (!reached.contains(city))
            core.warning(
                cursor.source().at(line),
                "no route leads to city " + std::to_string(city) + ": choosing it offers no way");
}

void checkRoutes(Core& core) {
    core.checkFilePerCity("data\\common\\movefile.txt", "route file",
                          [&core](const std::string& route) { checkRouteFile(core, route); });
}

}  // namespace

const FileKind routesKind = {.checkFiles = checkRoutes, .layout = {}, .checkScript = nullptr};

}  // namespace orrowvale::check
