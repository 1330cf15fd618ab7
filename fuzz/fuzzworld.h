#pragma once

// What the fuzz targets share: a private copy of the sample world to play over, and
// a game to play it with. The sample world is the game directory of a normal build
// (ORROWVALE_FUZZ_WORLD names it; by default build/game of this checkout).
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "game.h"
#include "transcript.h"
#include "world/datafiles.h"
#include "world/dice.h"
#include "world/gamepaths.h"
#include "world/gamestate.h"

namespace orrowvale::fuzz {

// A copy of the sample world, made once per process in a folder of its own and
// removed when the process ends.
inline const std::filesystem::path& worldCopy(std::string_view name) {
    struct Copy {
        explicit Copy(std::string_view name) {
            const char* given = std::getenv("ORROWVALE_FUZZ_WORLD");
            const std::filesystem::path sample = given ? given : ORROWVALE_DEFAULT_FUZZ_WORLD;
            if (!std::filesystem::is_directory(sample / "data")) {
                std::cerr << "fuzz: no sample world in " << sample
                          << " (build the game first or set ORROWVALE_FUZZ_WORLD)\n";
                std::abort();
            }
            root = std::filesystem::temp_directory_path() /
                   ("orrowvale-" + std::string(name) + "-" + std::to_string(::getpid()));
            std::filesystem::remove_all(root);
            std::filesystem::copy(sample, root, std::filesystem::copy_options::recursive);
        }
        ~Copy() {
            std::error_code ec;
            std::filesystem::remove_all(root, ec);
        }
        std::filesystem::path root;
    };
    static const Copy copy(name);
    return copy.root;
}

inline void writeFile(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A game over a world folder that says nothing and rolls from a fixed seed.
struct QuietGame {
    explicit QuietGame(const std::filesystem::path& root, unsigned seed = 1)
        : paths(root), dice(seed), game(*state, paths, dice, presenter) {}
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    GamePaths paths;
    Dice dice;
    TranscriptPresenter presenter{[](const std::string&) {}};
    Game game;
};

}  // namespace orrowvale::fuzz
