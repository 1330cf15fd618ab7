// orrowvale-art: draws the game's pictures and writes its title tune.
//
//   orrowvale-art title OUT.jpg [OUT@2x.jpg]
//   orrowvale-art map --game-dir DIR OUT.jpg [OUT@2x.jpg]
//   orrowvale-art tune OUT.mid
//   orrowvale-art icon SIZE OUT.png
//
// The map is drawn from the game directory's city list, rectangles, nations and
// routes, so it follows the content wherever an author moves a city; the second
// file, when named, is the same map with twice the pixels for screens at 200 %
// (and so for the title). A data error
// prints "error: FILE:LINE: MESSAGE" and exits with 2.

#include <unistd.h>

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <charconv>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "jpegwriter.h"
#include "mapart.h"
#include "titleart.h"
#include "tune.h"
#include "world/datafiles.h"
#include "world/gamepaths.h"

namespace {

using namespace orrowvale;

constexpr int kUsageError = 64;
constexpr int kDataError = 2;
constexpr int kFailure = 1;
constexpr int kJpegQuality = 90;

constexpr const char* kUsage =
    "Usage: orrowvale-art title OUT.jpg [OUT@2x.jpg]\n"
    "  or:  orrowvale-art map --game-dir DIR OUT.jpg [OUT@2x.jpg]\n"
    "  or:  orrowvale-art tune OUT.mid\n"
    "  or:  orrowvale-art icon SIZE OUT.png   (SIZE from 16 to 1024 pixels)\n";

[[noreturn]] void usage(const std::string& problem) {
    std::cerr << "orrowvale-art: " << problem << "\n" << kUsage;
    std::exit(kUsageError);
}

// True when the first argument asks for help: the usage then goes to standard
// output and the program ends well.
bool asksForHelp(int argc, char** argv) {
    if (argc < 2) return false;
    const std::string_view first = argv[1];
    return first == "--help" || first == "-h";
}

// Without the Korean font every name would be drawn as empty boxes.
void requireKoreanFonts() {
    for (const char* family : {"NanumGothic", "NanumMyeongjo"})
        if (!QFontMetrics(QFont(QString::fromLatin1(family))).inFontUcs4(U'오')) {
            std::cerr << "orrowvale-art: the Korean font " << family
                      << " is missing; install the fonts-nanum package (./scripts/setup does)\n";
            std::exit(kFailure);
        }
}

void writeFile(const std::string& path, const std::string& bytes) {
    const std::string partial = path + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) throw std::runtime_error("cannot write " + path);
    }
    std::filesystem::rename(partial, path);
}

int run(int argc, char** argv) {
    if (argc < 3) usage("too few arguments");
    const std::string_view what = argv[1];
    if (what == "tune") {
        if (argc != 3) usage("tune takes one output file");
        writeFile(argv[2], art::midiFileBytes(art::composeTitleTune()));
        return 0;
    }
    // Pictures are painted without a screen, and Qt wants a private runtime folder.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const auto runtime =
            std::filesystem::temp_directory_path() / ("orrowvale-art-" + std::to_string(getuid()));
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.string()));
    }
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    requireKoreanFonts();
    if (what == "title") {
        if (argc != 3 && argc != 4) usage("title takes an output file and perhaps a detailed one");
        art::writeJpeg(art::drawTitle(), argv[2], kJpegQuality);
        if (argc == 4) art::writeJpeg(art::drawTitle(art::kTitleSeed, 2), argv[3], kJpegQuality);
        return 0;
    }
    if (what == "map") {
        if ((argc != 5 && argc != 6) || std::string_view(argv[2]) != "--game-dir")
            usage("map takes --game-dir DIR, an output file and perhaps a detailed one");
        const art::MapWorld world = art::readMapWorld(GamePaths(argv[3]));
        for (const std::string& warning : world.warnings)
            std::cerr << "orrowvale-art: warning: " << warning << "\n";
        art::writeJpeg(art::drawMap(world.cities), argv[4], kJpegQuality);
        if (argc == 6)
            art::writeJpeg(art::drawMap(world.cities, art::kMapSeed, 2), argv[5], kJpegQuality);
        return 0;
    }
    if (what == "icon") {
        if (argc != 4) usage("icon takes a size and an output file");
        const std::string_view sizeText = argv[2];
        int size = 0;
        const auto [end, error] =
            std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(), size);
        if (error != std::errc() || end != sizeText.data() + sizeText.size() || size < 16 ||
            size > 1024)
            usage("the icon size must be a whole number from 16 to 1024");
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!art::drawIcon(size).save(&buffer, "PNG"))
            throw std::runtime_error("cannot encode the icon as PNG");
        writeFile(argv[3], png.toStdString());
        return 0;
    }
    usage("unknown picture \"" + std::string(what) + "\"");
}

}  // namespace

int main(int argc, char** argv) {
    if (asksForHelp(argc, argv)) {
        std::cout << kUsage;
        return 0;
    }
    try {
        return run(argc, argv);
    } catch (const DataError& error) {
        std::cerr << "error: " << error.what() << "\n";
        return kDataError;
    } catch (const std::exception& error) {
        std::cerr << "orrowvale-art: " << error.what() << "\n";
        return kFailure;
    }
}
