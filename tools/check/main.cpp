// orrowvale-check: tells a content author what is wrong with a game directory
// before anyone plays it.
//
//   orrowvale-check [GAME_DIR]      (default: the working directory)
//
// Prints every problem as "FILE:LINE: error|warning: MESSAGE", sorted by file and
// line; line 0 means the file as a whole. Exits 1 when there is an error, 0 when
// there are only warnings or nothing, 2 when the command line is wrong or the game
// directory cannot be read.

#include <filesystem>
#include <iostream>
#include <string_view>

#include "checker.h"
#include "world/gamepaths.h"

namespace {

constexpr int kClean = 0;
constexpr int kErrors = 1;
constexpr int kCannotCheck = 2;

constexpr const char* kUsage =
    "Usage: orrowvale-check [GAME_DIR]\n"
    "Lists every problem of the game directory GAME_DIR (default: the working\n"
    "directory) as FILE:LINE: error|warning: MESSAGE.\n"
    "\n"
    "Options:\n"
    "  -h, --help  print this and exit\n"
    "\n"
    "Exit status: 0 when no error was found, 1 when errors were found, 2 when the\n"
    "folder cannot be checked.\n";

int usage(std::string_view problem) {
    std::cerr << "orrowvale-check: " << problem << "\n" << kUsage;
    return kCannotCheck;
}

// True when the first argument asks for help: the usage then goes to standard
// output and the program ends well.
bool asksForHelp(int argc, char** argv) {
    if (argc < 2) return false;
    const std::string_view first = argv[1];
    return first == "--help" || first == "-h";
}

}  // namespace

int main(int argc, char** argv) {
    if (asksForHelp(argc, argv)) {
        std::cout << kUsage;
        return kClean;
    }
    if (argc > 2) return usage("give at most one game directory");
    std::filesystem::path dir =
        argc == 2 ? std::filesystem::path(argv[1]) : std::filesystem::current_path();
    if (argc == 2 && std::string_view(argv[1]).starts_with("-"))
        return usage("unknown option " + std::string(argv[1]));
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) return usage(dir.string() + " is no directory");
    std::filesystem::directory_iterator list(dir, ec);
    if (ec) return usage("cannot read " + dir.string() + " (" + ec.message() + ")");
    if (!std::filesystem::is_directory(dir / "data", ec))
        return usage(dir.string() + " holds no data folder: is it a game directory?");

    try {
        orrowvale::check::Report report = orrowvale::check::checkGame(orrowvale::GamePaths(dir));
        std::cout << report.text();
        return report.hasErrors() ? kErrors : kClean;
    } catch (const std::exception& e) {
        std::cerr << "orrowvale-check: " << e.what() << "\n";
        return kCannotCheck;
    }
}
