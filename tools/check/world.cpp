#include <filesystem>
#include <functional>

#include "jpegsize.h"
#include "kinds.h"
#include "world/datafiles.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace orrowvale::check {
namespace {

void checkDataFolder(Core& core) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(core.paths().resolve("data\\city.txt"), ec) &&
        !std::filesystem::is_directory(core.paths().resolve("data")))
        core.error(Where{"data", 0}, "the game directory has no data folder");
}

void checkCities(Core& core) {
    auto file = core.loadFixedFile("data\\city.txt", Severity::Error, ": no world can be built");
    if (!file) return;
    CheckState& state = core.state();
    Cursor cursor(*file);
    auto count = core.readNumberLine(cursor, "the number of cities");
    if (!count) return;
    if (*count < 1 || *count > kMaxCities) {
        core.error(cursor,
                   "the number of cities must be 1 to 100, found " + std::to_string(*count));
        // Without cities nothing else can be checked city by city; too many are cut.
        state.cityCount = *count < 1 ? -1 : kMaxCities;
        return;
    }
    state.cityCount = *count;
    int names = static_cast<int>(file->lines.size()) - 1;
    if (names < state.cityCount)
        core.error(cursor, std::to_string(state.cityCount) + " cities are announced but only " +
                               std::to_string(names) + " names follow");
    // Every line is a name: a blank one leaves a city nameless and pushes the names
    // below it onto the next cities.
    for (int city = 1; city <= std::min(names, state.cityCount); ++city)
        if (isBlankLine(file->lines[static_cast<std::size_t>(city)]))
            core.error(file->at(city + 1),
                       "city " + std::to_string(city) +
                           " has an empty name: the names below it belong to the next cities");
    bool more = false;
    for (std::size_t i = static_cast<std::size_t>(state.cityCount) + 1; i < file->lines.size(); ++i)
        more = more || !isBlankLine(file->lines[i]);
    if (more)
        core.warning(file->at(1), "the file names more cities than the " +
                                      std::to_string(state.cityCount) +
                                      " it announces: the rest are not in the world");
}

// The numbers of the lines that hold something, for files of one line per city.
std::vector<int> filledLines(const SourceFile& file) {
    std::vector<int> lines;
    for (std::size_t i = 0; i < file.lines.size(); ++i)
        if (!isBlankLine(file.lines[i])) lines.push_back(static_cast<int>(i + 1));
    return lines;
}

// A file of one line per city, read with one of the game's own loaders into a world
// of the cities known: `check` is handed that world and each city with its line. A
// city the file ends before is reported as having no `what`.
void checkLinePerCity(
    Core& core, const std::string& gamePath, std::string_view what,
    const std::function<void(GameState& world)>& load,
    const std::function<void(const GameState& world, int city, const Where& at)>& check) {
    auto file = core.loadFixedFile(gamePath);
    const int cityCount = core.state().cityCount;
    if (!file || cityCount < 1) return;
    GameState world;
    world.cityCount = cityCount;
    if (!core.runGameLoader(gamePath, [&] { load(world); })) return;
    std::vector<int> lines = filledLines(*file);
    for (int city = 1; city <= cityCount; ++city) {
        if (city > static_cast<int>(lines.size())) {
            core.error(file->at(static_cast<int>(file->lines.size())),
                       "city " + std::to_string(city) + " has no " + std::string(what) +
                           ": the file ends first");
            return;
        }
        check(world, city, file->at(lines[city - 1]));
    }
}

// The size of the map picture; nothing when it cannot be read (reported).
std::optional<PictureSize> mapSize(Core& core) {
    if (!core.fixedFile("data\\map.jpg", Severity::Warning,
                        ": the city rectangles cannot be checked"))
        return {};
    std::string bytes;
    try {
        bytes =
            readPlainFile(core.paths().resolve("data\\map.jpg"), core.shownPath("data\\map.jpg"));
    } catch (const DataError& error) {
        core.error(Where{error.file(), 0}, error.problem());
        return {};
    }
    std::optional<PictureSize> size = jpegSize(bytes);
    if (!size)
        core.error(Where{core.shownPath("data\\map.jpg"), 0},
                   "the map picture is no JPEG picture with a frame header");
    return size;
}

void checkCityRects(Core& core) {
    std::optional<PictureSize> map = mapSize(core);
    auto checkRect = [&](const GameState& world, int city, const Where& at) {
        const CityRect& r = world.cityRects[city];
        std::string shown = "left " + std::to_string(r.left) + ", right " +
                            std::to_string(r.right) + ", top " + std::to_string(r.top) +
                            ", bottom " + std::to_string(r.bottom);
        if (r.left > r.right || r.top > r.bottom)
            core.error(at, "the rectangle of city " + std::to_string(city) + " (" + shown +
                               ") has its edges the wrong way round");
        else if (map && (r.left < 0 || r.top < 0 || r.right > map->width || r.bottom > map->height))
            core.error(at, "the rectangle of city " + std::to_string(city) + " (" + shown +
                               ") lies outside the map picture of " + std::to_string(map->width) +
                               " x " + std::to_string(map->height));
    };
    checkLinePerCity(
        core, "data\\citylocs.txt", "rectangle",
        [&core](GameState& world) { loadCityRects(world, core.paths()); }, checkRect);
}

void checkNations(Core& core) {
    auto checkNation = [&core](const GameState& world, int city, const Where& at) {
        if (world.cityNations[city] < 1)
            core.error(at, "nation " + std::to_string(world.cityNations[city]) + " of city " +
                               std::to_string(city) + ": nations are numbered from 1");
    };
    checkLinePerCity(
        core, "data\\common\\citynat.txt", "nation",
        [&core](GameState& world) { loadCityNations(world, core.paths(), "common\\citynat.txt"); },
        checkNation);
}

void checkWorld(Core& core) {
    checkDataFolder(core);
    checkCities(core);
    checkCityRects(core);
    checkNations(core);
}

}  // namespace

const FileKind worldKind = {.checkFiles = checkWorld, .layout = {}, .checkScript = nullptr};

}  // namespace orrowvale::check
