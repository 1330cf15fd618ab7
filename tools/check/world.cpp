#include <filesystem>
#include <fstream>
#include <iterator>

#include "jpegsize.h"
#include "kinds.h"
#include "world/datafiles.h"
#include "world/gamestate.h"
#include "world/worldload.h"

namespace orrowvale::check {
namespace {

class World : public Core {
  public:
    explicit World(const Core& core) : Core(core) {}
    void checkDataFolder();
    void checkCities();
    void checkCityRects();
    void checkNations();
};

}  // namespace

void World::checkDataFolder() {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(paths_.resolve("data\\city.txt"), ec) &&
        !std::filesystem::is_directory(paths_.resolve("data")))
        report_.error("data", 0, "the game directory has no data folder");
}

void World::checkCities() {
    auto file = loadFixed("data\\city.txt", Severity::Error, ": no world can be built");
    if (!file) return;
    Cursor c(*file);
    auto count = wholeNumber(c, "the number of cities");
    if (!count) return;
    if (*count < 1 || *count > kMaxCities) {
        error(c, "the number of cities must be 1 to 100, found " + std::to_string(*count));
        // Without cities nothing else can be checked city by city; too many are cut.
        state_.cityCount = *count < 1 ? -1 : kMaxCities;
        return;
    }
    state_.cityCount = *count;
    int names = static_cast<int>(file->lines.size()) - 1;
    if (names < state_.cityCount)
        error(c, std::to_string(state_.cityCount) + " cities are announced but only " +
                     std::to_string(names) + " names follow");
    // Every line is a name: a blank one leaves a city nameless and pushes the names
    // below it onto the next cities.
    for (int city = 1; city <= std::min(names, state_.cityCount); ++city)
        if (isBlankLine(file->lines[static_cast<std::size_t>(city)]))
            error(Where{file->shown, city + 1},
                  "city " + std::to_string(city) +
                      " has an empty name: the names below it belong to the next cities");
    bool more = false;
    for (std::size_t i = static_cast<std::size_t>(state_.cityCount) + 1; i < file->lines.size();
         ++i)
        more = more || !isBlankLine(file->lines[i]);
    if (more)
        warning(Where{file->shown, 1}, "the file names more cities than the " +
                                           std::to_string(state_.cityCount) +
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

void World::checkCityRects() {
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
    if (!file || state_.cityCount < 1) return;
    GameState state;
    state.cityCount = state_.cityCount;
    try {
        loadCityRects(state, paths_);
    } catch (const DataError& e) {
        report_.error(file->shown, e.line(), e.problem());
        return;
    }
    std::vector<int> lines = filledLines(*file);
    for (int city = 1; city <= state_.cityCount; ++city) {
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

void World::checkNations() {
    auto file = loadFixed("data\\common\\citynat.txt");
    if (!file || state_.cityCount < 1) return;
    GameState state;
    state.cityCount = state_.cityCount;
    try {
        loadCityNations(state, paths_, "common\\citynat.txt");
    } catch (const DataError& e) {
        report_.error(file->shown, e.line(), e.problem());
        return;
    }
    std::vector<int> lines = filledLines(*file);
    for (int city = 1; city <= state_.cityCount; ++city) {
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

const FileKind worldKind = {.checkFiles =
                                [](Core& core) {
                                    World world(core);
                                    world.checkDataFolder();
                                    world.checkCities();
                                    world.checkCityRects();
                                    world.checkNations();
                                },
                            .layout = {},
                            .checkScript = nullptr};

}  // namespace orrowvale::check
